// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/form.h"

#include "platform/forms/button.h"
#include "platform/forms/end.h"
#include "platform/forms/events.h"
#include "platform/forms/label.h"
#include "platform/forms/menubar.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/termination.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QFileInfo>
#include <QFontMetrics>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace platform {

namespace {

std::vector<Form*>& registry()
{
    static std::vector<Form*> forms;
    return forms;
}

FormShownHook& shownHook()
{
    static FormShownHook hook;
    return hook;
}

class ClickableLabel : public Label {
public:
    ClickableLabel(const QString& caption, std::function<void()> onClick)
        : Label(caption), onClick_(std::move(onClick))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton
                           && rect().contains(event->position().toPoint());
        pressed_ = false;
        if (click)
            runHandler(onClick_);
    }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// A label that reports where any mouse button was released on it, in twips from its top left.
class MouseUpLabel : public Label {
public:
    MouseUpLabel(const QString& caption, std::function<void(int, int)> onMouseUp)
        : Label(caption), onMouseUp_(std::move(onMouseUp))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        runHandler([this, at] { onMouseUp_(pixelsToTwips(at.x()), pixelsToTwips(at.y())); });
    }

private:
    std::function<void(int, int)> onMouseUp_;
};

// A label as the layouts draw it: text from the top left, wrapped.
QLabel* asLabel(QLabel* label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void forget(Form* form)
{
    auto& forms = registry();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

// The controls the layout places: in the client area, in frames and in pictures that hold
// controls. Inner parts of Qt's own controls are placed by those controls.
void forEachPlacedControl(QWidget* parent, const std::function<void(QWidget*)>& f)
{
    for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        f(control);
        if (qobject_cast<QGroupBox*>(control) || qobject_cast<QLabel*>(control))
            forEachPlacedControl(control, f);
    }
}

QRect scaled(const QRect& r, double factor)
{
    return {qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor), qRound(r.height() * factor)};
}

// The fonts a window and its controls were given, and its buttons' picture sizes. Every font is
// measured before any changes: a control's own font may have taken its size from the window's.
void scaleFontsAndIconSizes(QWidget& window, double factor)
{
    std::vector<std::pair<QWidget*, QFont>> fonts;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.push_back(&window);
    for (QWidget* w : widgets) {
        if (w->window() != &window)
            continue;
        if (w->testAttribute(Qt::WA_SetFont)) {
            QFont font = w->font();
            font.setPointSizeF(font.pointSizeF() * factor);
            fonts.emplace_back(w, font);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setIconSize(button->iconSize() * factor);
    }
    for (auto& [w, font] : fonts)
        w->setFont(font);
}

} // namespace

Form::Form(const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window), client_(new QWidget(this))
{
    setObjectName(name);
    client_->setObjectName(name + QStringLiteral("_client"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(defaultLayoutFont());
    applySize();
}

Form::~Form()
{
    forget(this);
    if (modalLoop_)
        modalLoop_->quit();
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    registry().push_back(this);
    runHandler([this] { Form_Load(); });
}

void Form::setVisible(bool visible)
{
    if (visible && !loaded_)
        load();
    // Nothing new comes on the screen once the program ends or a signal ends it.
    if (visible && (programEnded() || terminationRequested() || !loaded_))
        return;
    if (visible && !everShown_) {
        everShown_ = true;
        applySize();
    }
    if (visible && centeredWhenShown_ && !isVisible())
        centerOnScreen();
    QWidget::setVisible(visible);
    if (visible && shownHook())
        shownHook()(*this);
    if (!visible && modalLoop_)
        modalLoop_->quit();
}

void Form::showModal()
{
    load();
    unwindIfEnding();
    if (!loaded_ || closingBySystem())
        return;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    show();
    if (isVisible())
        loop.exec();
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
    unwindIfEnding();
}

void Form::unload()
{
    runUnload(UnloadMode::Code);
}

bool Form::runUnload(UnloadMode mode)
{
    if (!loaded_ || unloading_)
        return true;
    bool refused = false;
    runHandler([&] { refused = Form_QueryUnload(mode); }, Entry::Unload);
    if (refused && mode != UnloadMode::Code)
        return false;
    unloading_ = true;
    runHandler([this] { Form_Unload(); }, Entry::Unload);
    unloading_ = false;
    loaded_ = false;
    forget(this);
    QWidget::setVisible(false);
    if (modalLoop_)
        modalLoop_->quit();
    return true;
}

void Form::closeEvent(QCloseEvent* event)
{
    // A close from the window system is the user's; only the program's own code may force one.
    if (!loaded_ || runUnload(UnloadMode::ControlMenu))
        event->accept();
    else
        event->ignore();
}

void Form::setGeometryTwips(int left, int top, int width, int height)
{
    widthTwips_ = width;
    heightTwips_ = height;
    applySize();
    moveTwips(left, top);
}

void Form::setClientSizeTwips(int width, int height)
{
    widthTwips_ = width + 2 * kBorderTwips;
    heightTwips_ = height + kCaptionTwips + kBorderTwips + (menuBarVisible() ? kMenuBarTwips : 0);
    applySize();
}

void Form::setWidthTwips(int width)
{
    widthTwips_ = width;
    applySize();
}

void Form::setHeightTwips(int height)
{
    heightTwips_ = height;
    applySize();
}

// Left and top count from the layout screen's corner, which the 640 x 480 mode centres.
void Form::moveTwips(int left, int top)
{
    placeTwips_ = QPoint(left, top);
    move(services().display->layoutScreen().topLeft() + QPoint(twipsToPixels(left), twipsToPixels(top)));
}

int Form::leftTwips() const
{
    return pixelsToTwips(x() - services().display->layoutScreen().left());
}

int Form::topTwips() const
{
    return pixelsToTwips(y() - services().display->layoutScreen().top());
}

int Form::scaleWidthTwips() const
{
    return widthTwips_ - 2 * kBorderTwips;
}

int Form::scaleHeightTwips() const
{
    return heightTwips_ - kCaptionTwips - kBorderTwips - (menuBarVisible() ? kMenuBarTwips : 0);
}

void Form::applySize()
{
    const int width = twipsToPixels(scaleWidthTwips());
    const int height = twipsToPixels(scaleHeightTwips());
    const bool menu = menuBarVisible();
    const int menuHeight = menu && everShown_ ? menuBar_->layoutRows(width) : 0;
    if (menuBar_) {
        menuBar_->setGeometry(0, 0, width, menuHeight);
        menuBar_->setVisible(menu);
    }
    client_->setGeometry(0, menuHeight, width, height);
    setFixedSize(width, menuHeight + height);
}

void Form::followLayoutScale(double factor)
{
    forEachPlacedControl(client_, [factor](QWidget* control) { control->setGeometry(scaled(control->geometry(), factor)); });
    scaleFontsAndIconSizes(*this, factor);
    applySize();
    if (placeTwips_)
        moveTwips(placeTwips_->x(), placeTwips_->y());
}

void Form::centerOnScreen()
{
    const QRect screen = services().display->layoutScreen();
    moveTwips((pixelsToTwips(screen.width()) - widthTwips_) / 2,
              (pixelsToTwips(screen.height()) - heightTwips_) / 2);
}

void Form::setTopmost(bool topmost)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
}

void Form::setMinimizeBox(bool on)
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, on);
}

void Form::ensureMenuBar()
{
    if (menuBar_)
        return;
    menuBar_ = new MenuBar(this);
    menuBar_->setObjectName(objectName() + QStringLiteral("_menubar"));
    // The menu font of the layouts, so that a narrow window's menus still fit on its bar.
    menuBar_->setFont(defaultLayoutFont());
}

QMenu* Form::addMenu(const QString& name, const QString& caption)
{
    ensureMenuBar();
    auto* menu = new QMenu(caption, menuBar_);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menuBar_->addEntry(menu->menuAction());
    connect(menu->menuAction(), &QAction::changed, this, &Form::updateMenuBar);
    updateMenuBar();
    return menu;
}

QAction* Form::addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                           std::function<void()> onClick)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    onEvent(action, &QAction::triggered, this, std::move(onClick));
    return action;
}

QAction* Form::addSeparator(QMenu* menu, const QString& name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

QAction* Form::addTopLevelItem(const QString& name, const QString& caption,
                               std::function<void()> onClick)
{
    ensureMenuBar();
    auto* action = new QAction(caption, menuBar_);
    action->setObjectName(name);
    menuBar_->addEntry(action);
    onEvent(action, &QAction::triggered, this, std::move(onClick));
    connect(action, &QAction::changed, this, &Form::updateMenuBar);
    updateMenuBar();
    return action;
}

void Form::setMenuVisible(QMenu* menu, bool visible)
{
    menu->menuAction()->setVisible(visible);
}

bool Form::menuVisible(QMenu* menu)
{
    return menu->menuAction()->isVisible();
}

bool Form::menuBarVisible() const
{
    return menuBar_ && menuBar_->anyVisible();
}

void Form::updateMenuBar()
{
    applySize();
}

template <class W>
W* Form::place(W* widget, const QString& name, const QRect& twips, QWidget* parent)
{
    widget->setParent(parent ? parent : client_);
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    widget->show();
    return widget;
}

QLabel* Form::addLabel(const QString& name, const QRect& twips, const QString& caption,
                       QWidget* parent)
{
    return asLabel(place(new Label(caption), name, twips, parent));
}

QLabel* Form::addClickableLabel(const QString& name, const QRect& twips, const QString& caption,
                                std::function<void()> onClick, QWidget* parent)
{
    return asLabel(place(new ClickableLabel(caption, std::move(onClick)), name, twips, parent));
}

QLabel* Form::addMouseUpLabel(const QString& name, const QRect& twips, const QString& caption,
                              std::function<void(int x, int y)> onMouseUp, QWidget* parent)
{
    return asLabel(place(new MouseUpLabel(caption, std::move(onMouseUp)), name, twips, parent));
}

QPushButton* Form::addButton(const QString& name, const QRect& twips, const QString& caption,
                             std::function<void()> onClick, QWidget* parent)
{
    auto* button = place(new Button(caption), name, twips, parent);
    button->setAutoDefault(false);
    onEvent(button, &QPushButton::clicked, this, std::move(onClick));
    return button;
}

QLabel* Form::addPicture(const QString& name, const QRect& twips, QWidget* parent)
{
    auto* picture = place(new Label, name, twips, parent);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QLineEdit* Form::addTextBox(const QString& name, const QRect& twips, const QString& text,
                            QWidget* parent)
{
    return place(new QLineEdit(text), name, twips, parent);
}

QTextEdit* Form::addMultiLineTextBox(const QString& name, const QRect& twips, QWidget* parent)
{
    auto* box = place(new QTextEdit, name, twips, parent);
    box->setAcceptRichText(false);
    return box;
}

QCheckBox* Form::addCheckBox(const QString& name, const QRect& twips, const QString& caption,
                             std::function<void()> onClick, QWidget* parent)
{
    auto* box = place(new CheckBox(caption), name, twips, parent);
    if (onClick)
        onEvent(box, &QCheckBox::stateChanged, this, std::move(onClick));
    return box;
}

QRadioButton* Form::addOptionButton(const QString& name, const QRect& twips, const QString& caption,
                                    std::function<void()> onClick, QWidget* parent)
{
    auto* option = place(new OptionButton(caption), name, twips, parent);
    if (onClick)
        onEvent(option, &QRadioButton::toggled, this, [onClick = std::move(onClick)](bool on) {
            if (on)
                onClick();
        });
    return option;
}

QGroupBox* Form::addFrame(const QString& name, const QRect& twips, const QString& caption,
                          QWidget* parent)
{
    return place(new QGroupBox(caption), name, twips, parent);
}

QComboBox* Form::addComboBox(const QString& name, const QRect& twips, std::function<void()> onClick,
                             QWidget* parent)
{
    auto* box = place(new QComboBox, name, twips, parent);
    if (onClick)
        onEvent(box, &QComboBox::currentIndexChanged, this, std::move(onClick));
    return box;
}

QListWidget* Form::addListBox(const QString& name, const QRect& twips, std::function<void()> onClick,
                              QWidget* parent)
{
    auto* box = place(new QListWidget, name, twips, parent);
    if (onClick)
        onEvent(box, &QListWidget::currentRowChanged, this, std::move(onClick));
    return box;
}

Timer* Form::addTimer(const QString& name, int intervalMs, std::function<void()> onTimer)
{
    return new Timer(name, intervalMs, std::move(onTimer), this);
}

void Form::setKeyPressHandler(QWidget* control, std::function<void(int&)> handler)
{
    keyPressHandlers_.emplace_back(control, std::move(handler));
}

bool Form::previewKey(QWidget*, int& keyCode, int shift, bool press)
{
    if (!keyPreview_)
        return true;
    runHandler([&] { press ? Form_KeyDown(keyCode, shift) : Form_KeyUp(keyCode, shift); });
    return keyCode != 0 && !programEnded();
}

bool Form::previewChar(QWidget* receiver, int& keyAscii)
{
    if (keyPreview_)
        runHandler([&] { Form_KeyPress(keyAscii); });
    for (auto& [control, handler] : keyPressHandlers_)
        if (keyAscii != 0 && control == receiver)
            runHandler([&, h = handler] { h(keyAscii); });
    return keyAscii != 0 && !programEnded();
}

QAction* CheckGroup::add(QAction* item)
{
    item->setCheckable(true);
    items_.push_back(item);
    return item;
}

void CheckGroup::check(const QAction* item)
{
    for (QAction* other : items_)
        other->setChecked(other == item);
}

QString tag(const QObject* object)
{
    return object->property("Tag").toString();
}

void setTag(QObject* object, const QString& value)
{
    object->setProperty("Tag", value);
}

QPixmap loadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString real = resolvePathNoCase(path);
    // Found out from the content, a format costs every image-format plugin loaded first.
    QImageReader byName(real, QFileInfo(real).suffix().toLower().toLatin1());
    byName.setAutoDetectImageFormat(false);
    QImage image = byName.read();
    if (image.isNull())
        image = QImage(real);
    // Not through QPixmap's own file loading: that also keeps every picture in the pixmap cache,
    // full size, for the rest of the run.
    return QPixmap::fromImage(std::move(image));
}

namespace {

// Every question is answered by the icon of the picture, made at the first question.
class LazyIconEngine : public QIconEngine {
public:
    explicit LazyIconEngine(std::function<QPixmap()> picture) : picture_(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (picture_) {
            icon_ = QIcon(picture_());
            picture_ = nullptr;
        }
        return icon_;
    }

    std::function<QPixmap()> picture_;
    QIcon icon_;
};

} // namespace

QIcon lazyIcon(std::function<QPixmap()> picture)
{
    return QIcon(new LazyIconEngine(std::move(picture)));
}

QIcon pictureIcon(const QString& path)
{
    return lazyIcon([path] { return loadPicture(path); });
}

void setPicture(QLabel* picture, const QString& path)
{
    picture->setPixmap(loadPicture(path));
}

namespace {

class PictureOnShow : public QObject {
public:
    PictureOnShow(QLabel* picture, QString path) : QObject(picture), path_(std::move(path))
    {
        picture->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            setPicture(static_cast<QLabel*>(watched), path_);
            deleteLater();
        }
        return false;
    }

private:
    QString path_;
};

} // namespace

void setPictureWhenShown(QLabel* picture, const QString& path)
{
    new PictureOnShow(picture, path);
}

const std::vector<Form*>& loadedForms()
{
    return registry();
}

bool formLoaded(const QString& name)
{
    return findForm(name) != nullptr;
}

Form* findForm(const QString& name)
{
    const auto& forms = registry();
    const auto it = std::find_if(forms.begin(), forms.end(),
                                 [&](const Form* f) { return f->objectName() == name; });
    return it == forms.end() ? nullptr : *it;
}

void setFormShownHook(FormShownHook hook)
{
    shownHook() = std::move(hook);
}

namespace {
const char* const kLayoutFamilies[] = {"Arial", "MS Sans Serif", "Microsoft Sans Serif"};
}

QString layoutFace(const QString& family)
{
    for (const char* named : kLayoutFamilies)
        if (family.compare(QLatin1String(named), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Liberation Sans");
    return family;
}

void substituteLayoutFaces()
{
    for (const char* family : kLayoutFamilies)
        QFont::insertSubstitution(QLatin1String(family), layoutFace(QLatin1String(family)));
}

QFont layoutFont(const QString& family, double pointSize, bool bold)
{
    // By its face: a font of a family that is not installed costs a search for stand-ins.
    QFont font(layoutFace(family));
    font.setPointSizeF(pointSize * layoutScale());
    font.setBold(bold);
    return font;
}

QFont defaultLayoutFont()
{
    return layoutFont(QStringLiteral("MS Sans Serif"), 8);
}

void setControlFont(QWidget* control, const QString& family, double pointSize, bool bold)
{
    control->setFont(layoutFont(family, pointSize, bold));
}

int textWidthTwips(const QWidget* control, const QString& text)
{
    return pixelsToTwips(QFontMetrics(control->font()).horizontalAdvance(text));
}

} // namespace platform
