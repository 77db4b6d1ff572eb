// Starts the forms runtime, shows a window with a few dozen controls and ends once it is shown.
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/services.h"

#include <QTimer>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    platform::startProgram(argc, argv);
    platform::Form form("Form1");
    form.setGeometryTwips(0, 0, 9600, 7200);
    QMenu* menu = form.addMenu("dasmenu", "Lehrer&menü");
    form.addMenuItem(menu, "Hilfe", "&Hilfe", [] {});
    for (int i = 0; i < 23; ++i)
        form.addButton(QStringLiteral("Worttaste%1").arg(i), QRect(120 + (i % 8) * 1100, 3000 + (i / 8) * 1100, 1000, 1000),
                       QStringLiteral("%1").arg(QChar('a' + i)), [] {});
    form.addLabel("Schrift", QRect(120, 120, 6000, 600), "Text");
    form.addPicture("Anzeige", QRect(6500, 120, 1500, 1500));
    form.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
