// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_reading/ReadingSet.h"

#include "tests/support/fixture.h"

#include "platform/services.h"

#include <set>

using word_reading::ReadingSet;

namespace {

using Answer = ReadingSet::Answer;

class ReadingSetTest : public testing_support::SuiteTest {
protected:
    // Own pictures are named relative to the program folder, which every program's start enters.
    ReadingSetTest() { platform::enterProgramFolder(); }

    ReadingSet set;

    void writePictures(const QStringList& names) const
    {
        for (const QString& name : names)
            writePicture(programDir() + "/EigeneBilder/Lesolum/" + name + ".bmp");
    }
};

TEST_F(ReadingSetTest, ClicksJudgePauseAndCountAWordWrongOnce)
{
    set.useBuiltInWords(ReadingSet::Level::All);
    set.newSet(false);
    set.arrange({3, 1, 2, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(set.tagAt(1), set.word(3));
    EXPECT_EQ(set.pictureAt(1), set.word(3) + ".bmp");
    const QString first = set.word(1);
    const QString other = set.word(2);

    struct Step {
        QString tag;
        bool endPauseBefore;
        Answer answer;
        bool wrongFirst;
        int position;
    };
    const Step steps[] = {{other, false, Answer::Wrong, false, 1},
                          {first, false, Answer::Ignored, false, 1},
                          {other, true, Answer::Wrong, false, 1},
                          {first, true, Answer::Right, true, 2},
                          {other, false, Answer::Ignored, false, 2},
                          {other, true, Answer::Right, false, 3}};
    for (const Step& s : steps) {
        if (s.endPauseBefore)
            set.endPause();
        const ReadingSet::Click click = set.click(s.tag);
        EXPECT_EQ(click.answer, s.answer) << s.tag.toStdString();
        EXPECT_EQ(click.wrongFirst, s.wrongFirst) << s.tag.toStdString();
        EXPECT_EQ(set.position(), s.position) << s.tag.toStdString();
        EXPECT_TRUE(set.paused());
    }
    for (int i = 3; i <= ReadingSet::kWords; ++i) {
        set.endPause();
        EXPECT_EQ(set.click(set.word(i)).answer, Answer::Right);
    }
    set.endPause();
    EXPECT_TRUE(set.finished());
    EXPECT_EQ(set.currentWord(), "");
    EXPECT_EQ(set.click(set.word(10)).answer, Answer::Ignored);
    EXPECT_FALSE(set.paused());
}

TEST_F(ReadingSetTest, TagsCompareExactly)
{
    set.useBuiltInWords(ReadingSet::Level::All);
    set.newSet(true);
    EXPECT_EQ(set.click(set.word(1).toLower()).answer, Answer::Wrong);
}

TEST_F(ReadingSetTest, FewerThanTenOwnPicturesLeaveTheLevelAlone)
{
    writePictures({"Apfel", "Birne", "Dose", "Ente", "Fass", "Gans", "Hut", "Igel", "Jacke"});
    set.useBuiltInWords(ReadingSet::Level::Hard);
    EXPECT_FALSE(set.useOwnPictures("EigeneBilder/Lesolum"));
    EXPECT_EQ(set.level(), ReadingSet::Level::Hard);
}

TEST_F(ReadingSetTest, OwnPicturesGoPageByPageAndStartAgainBeforeAShortPage)
{
    QStringList names;
    for (int i = 0; i < 25; ++i)
        names << QString("Bild%1").arg(QChar('a' + i));
    writePictures(names);
    ASSERT_TRUE(set.useOwnPictures("EigeneBilder/Lesolum"));
    EXPECT_EQ(set.level(), ReadingSet::Level::Own);
    // Every draw takes the first picture not drawn yet in the pass.
    clock->randoms.assign(30, 0.0);
    const auto shown = [this] {
        QStringList words;
        for (int i = 1; i <= ReadingSet::kWords; ++i)
            words << set.word(i);
        return words;
    };
    set.newSet(false);
    EXPECT_EQ(shown(), (QStringList{"Bilda", "Bildb", "Bildc", "Bildd", "Bilde", "Bildf", "Bildg",
                                    "Bildh", "Bildi", "Bildj"}));
    EXPECT_EQ(set.picture(1), programDir() + "/EigeneBilder/Lesolum/Bilda.bmp");
    set.newSet(false);
    EXPECT_EQ(shown().first(), "Bildk");
    EXPECT_EQ(shown().last(), "Bildt");
    set.newSet(false);
    EXPECT_EQ(shown().first(), "Bilda");
    EXPECT_EQ(shown().last(), "Bildj");
}

TEST_F(ReadingSetTest, CapitalsKeepTheOwnPictureFile)
{
    QStringList names{"Gießkanne"};
    for (int i = 0; i < 9; ++i)
        names << QString("Bild%1").arg(i);
    writePictures(names);
    ASSERT_TRUE(set.useOwnPictures("EigeneBilder/Lesolum"));
    set.newSet(true);
    for (int i = 1; i <= ReadingSet::kWords; ++i) {
        if (set.picture(i).endsWith("/Gießkanne.bmp")) {
            EXPECT_EQ(set.word(i), "GIEßKANNE");
            return;
        }
    }
    ADD_FAILURE() << "no Gießkanne in the set";
}

} // namespace
