// A generic Qt plugin that ends the process as soon as its first window has been shown and
// painted, so the start-up benchmark times real programs without code of their own for it.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

namespace {

class FirstWindowWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !seen_) {
            seen_ = true;
            // After the expose has been handled, that is once the window is painted.
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

class FirstWindowProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_window_probe.json")
public:
    QObject* create(const QString&, const QString&) override
    {
        auto* watch = new FirstWindowWatch;
        QCoreApplication::instance()->installEventFilter(watch);
        return watch;
    }
};

#include "first_window_probe.moc"
