// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/caption_fit.h"

#include "tests/support/fixture.h"

#include "platform/forms/form.h"

#include <QPixmap>
#include <QToolButton>

using forms_check::captionProblems;

namespace {

class CaptionCheckTest : public testing_support::SuiteTest {};

QPixmap picture(int side)
{
    QPixmap p(side, side);
    p.fill(Qt::red);
    return p;
}

// Names of the controls the check reports, in the form's order.
std::string reported(const platform::Form& form)
{
    QStringList names;
    for (const QString& problem : captionProblems(form))
        names << problem.section(QLatin1Char(' '), 0, 0);
    return names.join(' ').toStdString();
}

} // namespace

TEST_F(CaptionCheckTest, ReportsEveryKindOfControlWhoseCaptionOrPictureDoesNotFit)
{
    platform::Form form("Probe");
    form.setGeometryTwips(0, 0, 9000, 6000);
    QWidget* client = form.client();
    const auto font = [](QWidget* w) { platform::setControlFont(w, "Arial", 12, true); };

    font(form.addButton("ButtonFits", {120, 120, 1800, 500}, "Weiter", {}));
    font(form.addButton("ButtonShort", {2040, 120, 600, 500}, "Weiter", {}));
    QPushButton* withPicture = form.addButton("PictureAndText", {3060, 120, 1260, 700}, "Anlauttabelle", {});
    withPicture->setIcon(picture(32));
    withPicture->setIconSize({32, 32});
    font(withPicture);
    font(form.addLabel("LabelWraps", {120, 800, 1500, 700}, "Zwei Zeilen passen hier"));
    font(form.addLabel("LabelTooLow", {1800, 800, 1500, 300}, "Zwei Zeilen passen hier nicht"));
    QLabel* oneLine = form.addLabel("LabelOneLine", {3600, 800, 1200, 400}, "Speicherplatz Nr.:");
    oneLine->setWordWrap(false);
    font(oneLine);
    QLabel* bigPicture = form.addPicture("PictureTooBig", {5000, 800, 600, 600});
    bigPicture->setPixmap(picture(60));
    font(form.addCheckBox("CheckFits", {120, 1700, 4000, 400}, "Taskleiste sichtbar", {}));
    font(form.addCheckBox("CheckShort", {120, 2200, 1500, 400}, "Taskleiste sichtbar", {}));
    font(form.addOptionButton("OptionShort", {120, 2700, 1500, 400}, "Alle Wörter drucken", {}));
    // Wrapped onto two lines, these fit.
    form.addCheckBox("CheckWraps", {4300, 2700, 1935, 495}, "Taskleiste immer sichtbar lassen", {});
    form.addOptionButton("OptionWraps", {6300, 2700, 1935, 495}, "Alle Wörter ( 94 Wörter, 19 Seiten )", {});
    QGroupBox* frame = form.addFrame("FrameShort", {4300, 1700, 1200, 900}, "Anzeigeeinstellungen");
    font(frame);
    auto* key = new QToolButton(client);
    key->setObjectName("KeyTooLow");
    key->setGeometry(0, 200, 52, 50);
    key->setText("Sch sch");
    key->setIcon(picture(40));
    key->setIconSize({40, 40});
    key->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    form.addButton("HiddenShort", {6000, 120, 300, 300}, "Viel zu lang für diesen Knopf", {})->hide();
    form.show();

    EXPECT_EQ(reported(form), "ButtonShort PictureAndText LabelTooLow LabelOneLine PictureTooBig CheckShort "
                              "OptionShort FrameShort KeyTooLow")
        << captionProblems(form).join('\n').toStdString();
}
