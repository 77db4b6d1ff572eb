#include "fugolin_fixture.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <QDir>
#include <QImage>

FugolinTest::FugolinTest()
{
    addProgram("startomo");
    options.optEigeneBilder = 0;
    writeOptions();
}

FugolinTest::~FugolinTest()
{
    stop();
}

void FugolinTest::writeOptions() const
{
    writeFile(programDir() + "/options4.ini", suiteOptionLines(options));
    QFile::remove(dataDir() + "/options4.ini");
}

Form1& FugolinTest::start(const QString& arguments, Level level, std::vector<Level> later)
{
    stop();
    platform::resetProgramEnded();
    if (processes)
        processes->arguments = arguments;
    state = ExerciseState();
    levelDialogs = 0;
    // What every program's start does before its window loads.
    platform::enterProgramFolder();
    later.insert(later.begin(), level);
    answerLevelDialog(later);
    form = std::make_unique<Form1>(state);
    form->show();
    return *form;
}

void FugolinTest::answerLevelDialog(std::vector<Level> levels)
{
    if (levels.empty())
        return;
    testing_support::whenShown("SStufe2", [this, levels](platform::Form& shown) {
        auto& dialog = static_cast<SStufe2&>(shown);
        ++levelDialogs;
        if (onLevelDialog)
            onLevelDialog(dialog);
        answerLevelDialog({levels.begin() + 1, levels.end()});
        if (levels.front() == Closed)
            dialog.close();
        else
            click(dialog.Stufe[static_cast<std::size_t>(levels.front())]);
    });
}

void FugolinTest::stop()
{
    if (form && form->loaded())
        form->unload();
    form.reset();
}

void FugolinTest::click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void FugolinTest::clickTile(int tile) const
{
    QTest::mouseClick(form->Bezeichnung[static_cast<std::size_t>(tile)], Qt::LeftButton);
}

void FugolinTest::clickText(const QString& text) const
{
    for (int i = 0; i < 7; ++i)
        if (form->Bezeichnung[std::size_t(i)]->isVisible() && form->Bezeichnung[std::size_t(i)]->text() == text) {
            clickTile(i);
            return;
        }
    ADD_FAILURE() << "no tile shows " << text.toStdString();
}

void FugolinTest::buildWord() const
{
    while (form->Richtig->isHidden() && !form->board.expected().isEmpty()) {
        const QString before = form->Bezeichnung8->text();
        clickText(form->board.expected());
        if (form->Bezeichnung8->text() == before)
            return;
    }
}

int FugolinTest::wrongTile() const
{
    for (int i = 0; i < 7; ++i) {
        const QString text = form->Bezeichnung[std::size_t(i)]->text();
        if (!text.isEmpty() && text != form->board.expected())
            return i;
    }
    return -1;
}

QStringList FugolinTest::tileTexts() const
{
    QStringList texts;
    for (QLabel* tile : form->Bezeichnung)
        texts << tile->text();
    return texts;
}

void FugolinTest::chooseList(ListAuswahl& dialog, const QString& name)
{
    if (name.isEmpty()) {
        click(dialog.Command1);
        return;
    }
    const auto items = dialog.Datei->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    QTest::mouseClick(dialog.Datei->viewport(), Qt::LeftButton, {},
                      dialog.Datei->visualItemRect(items.first()).center());
}

void FugolinTest::writePicture(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(path, "BMP"));
}
