// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QEventLoop;

namespace platform {

class MenuBar;
class Timer;

// Why a form is being closed.
enum class UnloadMode { ControlMenu = 0, Code = 1, AppWindows = 2, TaskManager = 3 };

// A window of the program. Geometry is in twips: Width and Height are the outer size with a
// nominal caption and border, controls sit in the client area below the menu bar. A shown menu
// bar takes kMenuBarTwips of the Height; when it wraps into more rows the window grows by them,
// so the client area keeps its size.
class Form : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCaptionTwips = 345;
    static constexpr int kBorderTwips = 60;
    static constexpr int kMenuBarTwips = 270;

    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    QString name() const { return objectName(); }
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Runs Form_Load once; show() and showModal() load first.
    void load();
    bool loaded() const { return loaded_; }
    // Runs a nested event loop until the form is hidden or unloaded.
    void showModal();
    // Unloads from the program's own code: Form_QueryUnload may not refuse it.
    void unload();
    bool isModal() const { return modalLoop_ != nullptr; }

    void setGeometryTwips(int left, int top, int width, int height);
    // Width and Height for a client area of `width` x `height` twips below the menu bar as it
    // shows now: the inverse of scaleWidthTwips() and scaleHeightTwips().
    void setClientSizeTwips(int width, int height);
    void setWidthTwips(int width);
    void setHeightTwips(int height);
    void moveTwips(int left, int top);
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }
    int scaleWidthTwips() const;
    int scaleHeightTwips() const;
    void centerOnScreen();
    // Centred on the screen each time it is shown, with the size it has then.
    void setCenteredWhenShown(bool on) { centeredWhenShown_ = on; }

    // Always on top, and whether the window has a minimise box.
    void setTopmost(bool topmost);
    void setMinimizeBox(bool on);

    QWidget* client() const { return client_; }

    // The layout scale changed by `factor` after this window was made: its controls' places,
    // fonts and picture sizes follow, its size too, and it keeps its place in twips.
    void followLayoutScale(double factor);

    // Menus: a top-level menu, an item or separator in it, or a top-level item without children.
    // The menu bar is shown while any of its top-level entries is visible; it wraps into rows.
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                         std::function<void()> onClick);
    QAction* addSeparator(QMenu* menu, const QString& name = {});
    QAction* addTopLevelItem(const QString& name, const QString& caption,
                             std::function<void()> onClick);
    static void setMenuVisible(QMenu* menu, bool visible);
    static bool menuVisible(QMenu* menu);
    bool menuBarVisible() const;
    MenuBar* menuBar() const { return menuBar_; }

    // Controls, placed in the client area (or in `parent`, a frame) by a twips rectangle.
    QLabel* addLabel(const QString& name, const QRect& twips, const QString& caption = {},
                     QWidget* parent = nullptr);
    // A label that runs `onClick` when it is clicked (pressed and released on it).
    QLabel* addClickableLabel(const QString& name, const QRect& twips, const QString& caption,
                              std::function<void()> onClick, QWidget* parent = nullptr);
    // A label that reports where a mouse button was released on it, in twips from its top left.
    QLabel* addMouseUpLabel(const QString& name, const QRect& twips, const QString& caption,
                            std::function<void(int x, int y)> onMouseUp, QWidget* parent = nullptr);
    QPushButton* addButton(const QString& name, const QRect& twips, const QString& caption,
                           std::function<void()> onClick, QWidget* parent = nullptr);
    QLabel* addPicture(const QString& name, const QRect& twips, QWidget* parent = nullptr);
    QLineEdit* addTextBox(const QString& name, const QRect& twips, const QString& text = {},
                          QWidget* parent = nullptr);
    QTextEdit* addMultiLineTextBox(const QString& name, const QRect& twips,
                                   QWidget* parent = nullptr);
    // Click runs on every change of the value, also one made by code, as the programs expect.
    QCheckBox* addCheckBox(const QString& name, const QRect& twips, const QString& caption,
                           std::function<void()> onClick, QWidget* parent = nullptr);
    QRadioButton* addOptionButton(const QString& name, const QRect& twips, const QString& caption,
                                  std::function<void()> onClick, QWidget* parent = nullptr);
    QGroupBox* addFrame(const QString& name, const QRect& twips, const QString& caption,
                        QWidget* parent = nullptr);
    QComboBox* addComboBox(const QString& name, const QRect& twips,
                           std::function<void()> onClick, QWidget* parent = nullptr);
    QListWidget* addListBox(const QString& name, const QRect& twips,
                            std::function<void()> onClick, QWidget* parent = nullptr);
    Timer* addTimer(const QString& name, int intervalMs, std::function<void()> onTimer);

    // Keys as the programs know them: virtual-key codes and Windows-1252 character codes.
    // Setting the code to 0 swallows the key; KeyPress may also replace the character.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }
    void setKeyPressHandler(QWidget* control, std::function<void(int& keyAscii)> handler);
    bool previewKey(QWidget* receiver, int& keyCode, int shift, bool press);
    bool previewChar(QWidget* receiver, int& keyAscii);

protected:
    virtual void Form_Load() {}
    // Return true to refuse the close.
    virtual bool Form_QueryUnload(UnloadMode) { return false; }
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}

    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool runUnload(UnloadMode mode);
    void applySize();
    void ensureMenuBar();
    void updateMenuBar();
    template <class W> W* place(W* widget, const QString& name, const QRect& twips, QWidget* parent);

    QWidget* client_;
    MenuBar* menuBar_ = nullptr;
    // Measuring the menus loads their font: a window that has never shown leaves it for its show.
    bool everShown_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    bool keyPreview_ = true;
    bool centeredWhenShown_ = false;
    int widthTwips_ = 4800;
    int heightTwips_ = 3600;
    std::optional<QPoint> placeTwips_;   // where the program last put the window
    QEventLoop* modalLoop_ = nullptr;
    std::vector<std::pair<QWidget*, std::function<void(int&)>>> keyPressHandlers_;
};

// Menu items of which one at a time carries the check mark: checking one takes the mark from
// the others. Unlike in an exclusive QActionGroup the items keep the plain check mark of every
// checkable item, and a click toggles only the clicked item: its handler moves the mark.
class CheckGroup {
public:
    // Makes `item` checkable and one of the group.
    QAction* add(QAction* item);
    // The mark on `item` alone; nullptr takes it from all.
    void check(const QAction* item);

private:
    std::vector<QAction*> items_;
};

// Text property "Tag" of a control or form, as the programs use it to pass small values.
QString tag(const QObject* object);
void setTag(QObject* object, const QString& value);

// Loads a picture file (name looked up without regard to case); a null pixmap when it fails.
// It is read as the format its name gives, which for the suite's own pictures (BMP, PNG) needs
// no image-format plugin; a file that is something else (a JPEG named ".bmp") is read by what
// it holds.
QPixmap loadPicture(const QString& path);
void setPicture(QLabel* picture, const QString& path);
// setPicture the first time the picture box shows: for one hidden until the pupil's answer.
void setPictureWhenShown(QLabel* picture, const QString& path);
// An icon whose picture is made the first time it is drawn or measured, not before: a window's
// pictures then cost nothing before the window shows, and a window that never shows (the main
// window behind a level or name dialog that comes first) pays for them only after that dialog.
QIcon lazyIcon(std::function<QPixmap()> picture);
// lazyIcon of loadPicture(path).
QIcon pictureIcon(const QString& path);

// The loaded forms of the program, in load order.
const std::vector<Form*>& loadedForms();
// Exact, case-sensitive name match.
bool formLoaded(const QString& name);
Form* findForm(const QString& name);

// Called whenever a form becomes visible; tests act on modal forms through it.
using FormShownHook = std::function<void(Form&)>;
void setFormShownHook(FormShownHook hook);

// The face that draws a family the layouts name: the metric-compatible Liberation Sans for
// "Arial", "MS Sans Serif" and "Microsoft Sans Serif", any other family itself.
QString layoutFace(const QString& family);
// Lets every font of those families, wherever it is made (the printer's), take that face.
void substituteLayoutFaces();
// A font as the layouts name it ("Arial", 12, bold), scaled with the layout, in its face.
QFont layoutFont(const QString& family, double pointSize, bool bold = false);
// The layouts' own font where a control names none.
QFont defaultLayoutFont();
void setControlFont(QWidget* control, const QString& family, double pointSize, bool bold = false);
// Width of `text` in the control's font, in twips of the layout.
int textWidthTwips(const QWidget* control, const QString& text);

} // namespace platform
