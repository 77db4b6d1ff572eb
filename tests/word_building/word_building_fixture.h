#pragma once

#include "Form1.h"

#include "fixture.h"

#include "SStufe.h"
#include "SuiteOptions.h"

#include <QTest>

#include <memory>

// A word-building window started as a pupil meets it: suite options written, the command line
// set, the level dialog answered by a click.
class WordBuildingTest : public testing_support::SuiteTest {
protected:
    explicit WordBuildingTest(std::unique_ptr<WordBuildingVariant> variant);
    ~WordBuildingTest() override;

    void writeOptions() const;
    Form1& start(const QString& arguments = "Q", int levelButton = 2);
    void stop();

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickSlot(int i) const { click(form->Karte.at(static_cast<std::size_t>(i - 1))); }
    // Opens every slot in turn, so the pictures show.
    void revealAll() const;
    // The picture that is right, and one that is not.
    int rightPicture() const;
    int wrongPicture() const;
    void pick(int k) const { click(form->Bild.at(static_cast<std::size_t>(k - 1))); }
    QStringList tags() const;
    // Slot i's place and size in twips.
    QRect slotTwips(int i) const;
    // The draw that picks word n first from a fresh pass of `pool` words.
    static double drawOf(int pool, int n) { return (n - 0.5) / pool; }
    // Own pictures "<name>.bmp" in the variant's folder, each a different small bitmap.
    void addOwnPictures(const QStringList& names) const;

    // Looks at the level dialog before the child answers it.
    std::function<void(SStufe&)> onLevelDialog;
    std::unique_ptr<WordBuildingVariant> variant;
    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Form1> form;
};
