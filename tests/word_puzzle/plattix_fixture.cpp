#include "plattix_fixture.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <QDir>
#include <QImage>

PlattixTest::PlattixTest()
{
    addProgram("startomo");
    const PuzzleWords words;
    for (int n = 1; n <= words.count(); ++n)
        copyFromSuite(words.word(n) + ".bmp");
    writeOptions();
}

PlattixTest::~PlattixTest()
{
    stop();
}

void PlattixTest::writeOptions() const
{
    writeFile(programDir() + "/options4.ini", suiteOptionLines(options));
    QFile::remove(dataDir() + "/options4.ini");
}

Form1& PlattixTest::start(const QString& arguments, Level level)
{
    stop();
    platform::resetProgramEnded();
    if (processes)
        processes->arguments = arguments;
    state = ExerciseState();
    // What every program's start does before its window loads.
    platform::enterProgramFolder();
    testing_support::whenShown("SStufe", [this, level](platform::Form& shown) {
        auto& dialog = static_cast<SStufe&>(shown);
        if (onLevelDialog)
            onLevelDialog(dialog);
        if (level == Closed)
            dialog.close();
        else
            click(dialog.Stufe[static_cast<std::size_t>(level)]);
    });
    form = std::make_unique<Form1>(state);
    form->show();
    return *form;
}

void PlattixTest::stop()
{
    if (form && form->loaded())
        form->unload();
    form.reset();
}

void PlattixTest::click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void PlattixTest::clickTile(int tile) const
{
    QTest::mouseClick(form->Bezeichnung[static_cast<std::size_t>(tile)], Qt::LeftButton);
}

void PlattixTest::clickText(const QString& text) const
{
    for (int i = 0; i < 8; ++i)
        if (form->Bezeichnung[std::size_t(i)]->isVisible() && form->Bezeichnung[std::size_t(i)]->text() == text) {
            clickTile(i);
            return;
        }
    ADD_FAILURE() << "no tile shows " << text.toStdString();
}

void PlattixTest::buildWord() const
{
    while (form->Richtig->isHidden()) {
        const QString before = form->Bezeichnung8->text();
        clickText(form->board.expected());
        if (form->Bezeichnung8->text() == before)
            return;
    }
}

int PlattixTest::wrongTile() const
{
    for (int i = 0; i < 8; ++i) {
        const QString text = form->Bezeichnung[std::size_t(i)]->text();
        if (!text.trimmed().isEmpty() && text != form->board.expected())
            return i;
    }
    return -1;
}

QStringList PlattixTest::tileTexts() const
{
    QStringList texts;
    for (QLabel* tile : form->Bezeichnung)
        texts << tile->text();
    return texts;
}

void PlattixTest::writePicture(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(path, "BMP"));
}
