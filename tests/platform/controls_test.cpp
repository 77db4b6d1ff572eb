#include "fixture.h"

#include "platform/forms/form.h"

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
