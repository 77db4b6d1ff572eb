// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "platform/forms/form.h"
#include "platform/forms/menubar.h"
#include "platform/forms/twips.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QMessageBox>
#include <QTextDocument>
#include <QTextEdit>

namespace {

class ControlsTest : public testing_support::SuiteTest {};

// How many rows of the control's picture inside `area` hold dark (text) pixels.
int inkedRows(QWidget& control, const QRect& area)
{
    const QImage image = control.grab().toImage();
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 80) {
                ++rows;
                break;
            }
    return rows;
}

QRect textArea(const QWidget& control)
{
    return control.property("textArea").toRect();
}

} // namespace

TEST_F(ControlsTest, TheLayoutsFontsAreDrawnWithTheMetricCompatibleLiberationSans)
{
    platform::Form form("Probe");
    QLabel* plain = form.addLabel("Plain", {0, 0, 1500, 300}, "Text");
    QLabel* arial = form.addLabel("Arial", {0, 300, 1500, 300}, "Text");
    platform::setControlFont(arial, "Arial", 12, true);
    for (QLabel* label : {plain, arial})
        EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Sans") << label->objectName().toStdString();
    EXPECT_EQ(plain->font().pointSizeF(), 8);
}

// A message box is made outside any form, a text box's document before its box has a font.
TEST_F(ControlsTest, WhatIsMadeOutsideAFormAlsoTakesTheLayoutsFont)
{
    platform::Form form("Probe");
    QTextEdit* box = form.addMultiLineTextBox("Box", {0, 0, 3000, 1500});
    const QMessageBox message(QMessageBox::Information, "Tavoro", "Hallo");
    for (const QFont& font : {box->document()->defaultFont(), message.font()}) {
        EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
        EXPECT_EQ(font.pointSizeF(), 8);
    }
}

// Each kind of button with the same caption, once too narrow for one line and once wide enough.
TEST_F(ControlsTest, ACaptionWiderThanItsControlIsDrawnOnSeveralLinesInsideIt)
{
    platform::Form form("Probe");
    form.setGeometryTwips(0, 0, 9000, 6000);
    const QString caption = "Alle Wörter ( 94 Wörter, 19 Seiten )";
    const std::vector<std::pair<QWidget*, QWidget*>> kinds{
        {form.addButton("NarrowButton", {120, 120, 1935, 615}, caption, {}),
         form.addButton("WideButton", {4500, 120, 4000, 615}, caption, {})},
        {form.addCheckBox("NarrowCheck", {120, 1000, 1935, 495}, caption, {}),
         form.addCheckBox("WideCheck", {4500, 1000, 4000, 495}, caption, {})},
        {form.addOptionButton("NarrowOption", {120, 2000, 1935, 495}, caption, {}),
         form.addOptionButton("WideOption", {4500, 2000, 4000, 495}, caption, {})},
    };
    form.show();
    for (const auto& [narrow, wide] : kinds) {
        const int line = narrow->fontMetrics().height();
        EXPECT_GT(inkedRows(*narrow, textArea(*narrow)), line + 2) << narrow->objectName().toStdString();
        EXPECT_LE(inkedRows(*wide, textArea(*wide)), line) << wide->objectName().toStdString();
        EXPECT_EQ(narrow->property("text").toString(), caption);
    }
}

TEST_F(ControlsTest, APictureStandsAboveTheCaptionScaledToTheButtonWithItsShapeKept)
{
    platform::Form form("Probe");
    form.setGeometryTwips(0, 0, 6000, 4000);
    QPushButton* button = form.addButton("Loeschen", {120, 120, 1260, 1035}, "Löschen", {});
    QPixmap red(200, 100);
    red.fill(Qt::red);
    button->setIcon(QIcon(red));
    button->setIconSize(red.size());
    form.show();
    const QImage image = button->grab().toImage();
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::red))
                drawn |= QRect(x, y, 1, 1);
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(button->rect().adjusted(2, 2, -2, -2).contains(drawn)) << drawn.x() << "," << drawn.y();
    EXPECT_LT(drawn.bottom(), textArea(*button).top());
    EXPECT_GT(inkedRows(*button, textArea(*button)), 0);
    EXPECT_NEAR(drawn.width(), 2 * drawn.height(), 2);
}

namespace {

// The bounds of the pixels of the control's picture inside `area` that `match`.
QRect boundsOf(QWidget& control, const QRect& area, const std::function<bool(QColor)>& match)
{
    const QImage image = control.grab().toImage();
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (match(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A check box's or option button's indicator: what is drawn left of its caption.
QSize indicatorSize(QAbstractButton& control)
{
    const QColor ground = control.grab().toImage().pixelColor(control.width() - 1, 0);
    const auto differs = [&](QColor c) {
        return std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green())
                   + std::abs(c.blue() - ground.blue()) > 24;
    };
    return boundsOf(control, QRect(0, 0, textArea(control).left(), control.height()), differs).size();
}

struct Drawn {
    QSize checkIndicator, optionIndicator, labelPicture, buttonPicture;
    int menuBar;   // height of the bar
    int menuInk;   // rows of its caption's ink
};

// One window with a control of each kind, measured on its grab; `switchTo` scales the layout
// after the window was made, as a program's switch to "Vollbild" does.
Drawn drawnSizes(double switchTo = 0)
{
    platform::Form form("Probe");
    form.setGeometryTwips(0, 0, 6000, 4500);
    auto* check = form.addCheckBox("Check1", {120, 120, 2000, 300}, "An", {});
    auto* option = form.addOptionButton("Option1", {120, 480, 2000, 300}, "Eins", {});
    QPixmap red(40, 30);
    red.fill(Qt::red);
    QLabel* picture = form.addPicture("Bild", {120, 900, 1500, 1500});
    picture->setPixmap(red);
    QPushButton* button = form.addButton("Command1", {2400, 900, 2000, 1500}, "OK", {});
    button->setIcon(QIcon(red));
    button->setIconSize(button->size());
    form.addMenu("dasmenu", "Lehrermenü");
    if (switchTo > 0)
        platform::setLayoutScale(switchTo);
    form.show();
    const auto isRed = [](QColor c) { return c == QColor(Qt::red); };
    platform::MenuBar* bar = form.menuBar();
    const auto dark = [](QColor c) { return qGray(c.rgb()) < 100; };
    return {indicatorSize(*check), indicatorSize(*option), boundsOf(*picture, picture->rect(), isRed).size(),
            boundsOf(*button, button->rect(), isRed).size(), bar->height(), boundsOf(*bar, bar->rect(), dark).height()};
}

// Within the few pixels that a font's whole-pixel line height and the rounding leave.
void expectScaled(const Drawn& normal, const Drawn& scaled, double factor, const char* how)
{
    const auto near = [&](QSize n, QSize s, const char* what) {
        EXPECT_GT(n.width(), 5) << what;
        EXPECT_NEAR(s.width(), n.width() * factor, 3) << what << ", " << how << ": " << n.width();
        EXPECT_NEAR(s.height(), n.height() * factor, 3) << what << ", " << how << ": " << n.height();
    };
    near(normal.checkIndicator, scaled.checkIndicator, "check box indicator");
    near(normal.optionIndicator, scaled.optionIndicator, "option button indicator");
    near(normal.labelPicture, scaled.labelPicture, "picture");
    near(normal.buttonPicture, scaled.buttonPicture, "button picture");
    near({normal.menuBar, normal.menuInk}, {scaled.menuBar, scaled.menuInk}, "menu bar height, caption");
}

} // namespace

// In "Vollbild" the layout is scaled, and with it everything a form draws: the scaled window looks
// like the normal one, larger. A window made before the switch follows it.
TEST_F(ControlsTest, WhatAFormDrawsScalesWithTheLayout)
{
    const Drawn normal = drawnSizes();
    EXPECT_EQ(normal.labelPicture, QSize(40, 30));
    EXPECT_EQ(normal.buttonPicture, QSize(40, 30));
    platform::setLayoutScale(2.25);
    expectScaled(normal, drawnSizes(), 2.25, "made scaled");
    platform::setLayoutScale(1.0);
    expectScaled(normal, drawnSizes(2.25), 2.25, "scaled after it was made");
}

namespace {

class PicturesTest : public testing_support::SuiteTest {};

// A picture is read as its name says, and by its content when the name is wrong (a teacher's
// JPEG saved as ".bmp"); whichever way, the same picture comes back, and a name in another case
// is found.
TEST_F(PicturesTest, EveryPictureLoadsWhatItHoldsWhateverItsName)
{
    QImage drawn(30, 20, QImage::Format_RGB32);
    drawn.fill(QColor(200, 30, 40));
    ASSERT_TRUE(QDir().mkpath(dataDir()));
    const struct {
        const char* name;
        const char* format;
    } cases[] = {{"a.bmp", "BMP"}, {"b.png", "PNG"}, {"c.bmp", "PNG"}, {"d.jpg", "JPEG"}, {"e.bmp", "JPEG"},
                 {"f.GIF", "PNG"}, {"g", "PNG"}};
    for (const auto& c : cases) {
        const QString path = dataDir() + "/" + c.name;
        ASSERT_TRUE(drawn.save(path, c.format, 100)) << c.name;
        const QPixmap read = platform::loadPicture(dataDir() + "/" + QString(c.name).toUpper());
        ASSERT_FALSE(read.isNull()) << c.name;
        EXPECT_EQ(read.size(), drawn.size()) << c.name;
        const QColor centre = read.toImage().pixelColor(15, 10);
        EXPECT_LT(std::abs(centre.red() - 200) + std::abs(centre.green() - 30) + std::abs(centre.blue() - 40), 12)
            << c.name;
    }
    EXPECT_TRUE(platform::loadPicture(dataDir() + "/fehlt.bmp").isNull());
}

} // namespace
