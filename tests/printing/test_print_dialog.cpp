// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Qualitaet.h"

#include "tests/support/fixture.h"

#include <QTest>

namespace {

using testing_support::whenShown;

class PrintDialogTest : public testing_support::SuiteTest {
protected:
    PrintDialogTest() { state.DataDir = dataDir(); }

    // Shows the dialog modally and acts in it as the user would.
    void show(std::function<void(Qualitaet&)> act)
    {
        whenShown(QStringLiteral("Qualität"),
                  [act](platform::Form& form) { act(static_cast<Qualitaet&>(form)); });
        dialog.showModal();
    }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    ExerciseState state;
    Qualitaet dialog{state};
};

TEST_F(PrintDialogTest, AllWordsCaptionCountsPagesRoundingUp)
{
    struct Case {
        int words, perPage;
        const char* caption;
    };
    for (const Case& c : {Case{22, 3, "Alle Wörter ( 22 Wörter, 8 Seiten )"},
                          Case{21, 3, "Alle Wörter ( 21 Wörter, 7 Seiten )"},
                          Case{30, 10, "Alle Wörter ( 30 Wörter, 3 Seiten )"},
                          Case{31, 10, "Alle Wörter ( 31 Wörter, 4 Seiten )"},
                          Case{94, 5, "Alle Wörter ( 94 Wörter, 19 Seiten )"}}) {
        state.WordCount = c.words;
        state.WordsPerPage = c.perPage;
        show([](Qualitaet& d) {
            EXPECT_TRUE(d.Frame3->isVisible());
            EXPECT_TRUE(d.aktuelle->isChecked());
            click(d.Command2);
        });
        EXPECT_EQ(dialog.alle->text(), QString::fromUtf8(c.caption));
    }
}

TEST_F(PrintDialogTest, SingleItemPrintsHideTheWordChoice)
{
    for (int perPage : {-11, 0, -1}) {
        state.WordCount = 22;
        state.WordsPerPage = perPage;
        state.PrintAll = true;
        show([](Qualitaet& d) {
            EXPECT_FALSE(d.Frame3->isVisible());
            click(d.Command1);
        });
        EXPECT_TRUE(state.PrintOK) << perPage;
        EXPECT_FALSE(state.PrintAll) << perPage;
    }
}

TEST_F(PrintDialogTest, ShowsThePrintersQualityAndColour)
{
    struct Case {
        int quality;
        QRadioButton* Qualitaet::*option;
    };
    for (const Case& c : {Case{-1, &Qualitaet::Option2}, Case{-2, &Qualitaet::Option1},
                          Case{-3, &Qualitaet::Option3}, Case{-4, &Qualitaet::Option4}}) {
        printer->quality = c.quality;
        printer->color = c.quality == -2 ? platform::ColorMode::Monochrome : platform::ColorMode::Color;
        show([&](Qualitaet& d) {
            for (QRadioButton* o : {d.Option1, d.Option2, d.Option3, d.Option4})
                EXPECT_EQ(o->isChecked(), o == d.*c.option) << o->objectName().toStdString();
            EXPECT_EQ(d.Option6->isChecked(), c.quality == -2);
            EXPECT_EQ(d.Option5->isChecked(), c.quality != -2);
            click(d.Command2);
        });
        EXPECT_EQ(state.PrintQuality, c.quality);
    }
}

TEST_F(PrintDialogTest, ResolutionSelectsNoQualityAndOkWritesItBack)
{
    printer->quality = 600;
    show([](Qualitaet& d) {
        for (QRadioButton* o : {d.Option1, d.Option2, d.Option3, d.Option4})
            EXPECT_FALSE(o->isChecked());
        click(d.Command1);
    });
    EXPECT_TRUE(state.PrintOK);
    EXPECT_EQ(printer->quality, 600);
    EXPECT_TRUE(printer->log.contains(QStringLiteral("setPrintQuality 600")));
}

TEST_F(PrintDialogTest, OkAppliesTheChoicesToThePrinter)
{
    state.WordCount = 10;
    state.WordsPerPage = 5;
    show([](Qualitaet& d) {
        click(d.Option2);
        click(d.Option6);
        click(d.alle);
        click(d.Command1);
    });
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(state.PrintOK);
    EXPECT_TRUE(state.PrintAll);
    EXPECT_EQ(state.PrintQuality, -1);
    EXPECT_EQ(state.ColorMode, 1);
    EXPECT_EQ(printer->log, QStringList({"setPrintQuality -1", "setColorMode 1"}));
    EXPECT_EQ(printer->dataFolder, dataDir());
}

TEST_F(PrintDialogTest, CancelLeavesThePrinterAlone)
{
    show([](Qualitaet& d) {
        click(d.Option1);
        click(d.Command2);
    });
    EXPECT_FALSE(dialog.loaded());
    EXPECT_FALSE(state.PrintOK);
    EXPECT_TRUE(printer->log.isEmpty());
    EXPECT_EQ(printer->quality, platform::kQualityHigh);
}

TEST_F(PrintDialogTest, CloseBoxAfterAnEarlierOkCountsAsCancel)
{
    show([](Qualitaet& d) { click(d.Command1); });
    ASSERT_TRUE(state.PrintOK);
    show([](Qualitaet& d) { d.close(); });
    EXPECT_FALSE(dialog.loaded());
    EXPECT_FALSE(state.PrintOK);
}

TEST_F(PrintDialogTest, RefusedSettingKeepsTheDialogOpen)
{
    printer->failing = QStringList{QStringLiteral("setColorMode")};
    show([this](Qualitaet& d) {
        click(d.Command1);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(messages->texts(), QStringList{"Fehler! Andere Qualität auswählen!"});
        EXPECT_FALSE(state.PrintOK);
        printer->failing.clear();
        click(d.Command1);
    });
    EXPECT_TRUE(state.PrintOK);
}

TEST_F(PrintDialogTest, TopmostOnlyOverTheLaunchersBackdropStart)
{
    struct Case {
        QString commandLine;
        int hGrund, hGrundStart, tVis;
        bool topmost;
    };
    for (const Case& c : {Case{"Q", 0, -1, 0, true}, Case{"", 0, -1, 0, false},
                          Case{"Q", -1, -1, 0, false}, Case{"Q", 0, 0, 0, false},
                          Case{"Q", 0, -1, -1, false}}) {
        state.CommandLine = c.commandLine;
        state.options.HGrund = c.hGrund;
        state.options.HGrundStart = c.hGrundStart;
        state.options.TVis = c.tVis;
        show([&](Qualitaet& d) {
            EXPECT_EQ(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.topmost)
                << c.commandLine.toStdString() << c.hGrund << c.hGrundStart << c.tVis;
            click(d.Command2);
        });
    }
}

TEST_F(PrintDialogTest, LayoutAsDrawn)
{
    show([](Qualitaet& d) {
        EXPECT_EQ(d.caption(), QStringLiteral("Drucken"));
        EXPECT_EQ(d.scaleWidthTwips(), 5010);
        EXPECT_EQ(d.scaleHeightTwips(), 4080);
        EXPECT_EQ(d.Frame1->title(), QStringLiteral("Druckqualität:"));
        EXPECT_EQ(d.Option6->text(), QStringLiteral("Schwarz/Weiß"));
        click(d.Command2);
    });
}

} // namespace
