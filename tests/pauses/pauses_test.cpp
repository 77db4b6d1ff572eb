// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real programs on a private X server, started as a pupil's desktop or the launcher starts
// them: what a child clicks or types while an exercise pauses, or while a program waits for a
// program it started, is dropped. Nothing of it acts once the pause is over, and the child's
// next click or key acts as usual.
#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include "taskmanager/ManagerFile.h"

#include "platform/files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

constexpr int kWait = 30000;
// F6 shows the teacher menu, and the window grows by its 270 twips.
constexpr int kTeacherMenu = 270 / 15;

QRect pixels(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// The suite options a teacher set: no backdrop, the next task allowed while one is unsolved,
// no block result, logs kept under the pupil's name.
const QStringList kOptions{" 0 ", " 0 ", "-1 ", " 0 ", " 0 ", " 0 ", "-1 ", " 0 ", " 0 ", " 0 ", " 1 "};

// Word building from letters and from syllables.
const QPoint kLevel1 = twipsCentre(375, 1125, 5775, 675);
const QRect kPicture1 = pixels(870, 1920, 1695, 1695);
const QList<QPoint> kPictures{twipsCentre(870, 1920, 1695, 1695), twipsCentre(2670, 1920, 1695, 1695),
                              twipsCentre(4470, 1920, 1695, 1695)};
const QPoint kNextTask = twipsCentre(4920, 4080, 1815, 855);
const QRect kMarks = pixels(6855, 1920, 1710, 1710);
constexpr int kSlotRow = (360 + 1215 / 2) / 15;

// Syllable recognition, with a word list, and its word-list dialog.
const QPoint kOwnWords = twipsCentre(383, 1088 + 4 * 840, 5775, 675);
const QPoint kWord = twipsCentre(480, 120, 7665, 795);
const QRect kWordArea = pixels(480, 120, 7665, 795);
const QRect kInstruction = pixels(240, 1440, 6495, 540);
const QPoint kNextWord = twipsCentre(240, 3360, 1815, 855);
const QRect kSyllableMarks = pixels(6960, 2040, 1650, 1650);
// The first file in the list, in its first row.
const QPoint kFirstList(308 / 15 + 60, 915 / 15 + 14);
const QRect kLists = pixels(308, 915, 5415, 3570);
const QPoint kBack = twipsCentre(2108, 4755, 1695, 855);
const QString kBogenblick = QString::fromUtf8("QL Bogenblick ;   <F6> für Lehrermenü");
const QString kListDialog = QString::fromUtf8("Auswahl einer Wortliste durch Klick (Erstellen einer Wortliste mit F6)");

// The typewriter: its next-task button and where the typed word stands.
const QPoint kTypewriterNext = twipsCentre(2160, 5160, 2400, 840);
const QRect kTyped = pixels(2160, 3720, 5400, 1035);
const QString kTastomat = QString::fromUtf8("QL Tastomat ;   <F6> für Lehrermenü");

// The task manager, below its menu bar.
const QPoint kLosGehts = twipsCentre(405, 240, 2655, 1215) + QPoint(0, 20);
const QPoint kManagerEnd = twipsCentre(405, 2520, 2655, 735) + QPoint(0, 20);

// A started program that notes its start in the program folder's "runs" and runs until the
// test lets it end (a file "go<n>" for its n-th start), or its folder is gone.
QByteArray standIn(const QString& onEnd)
{
    return "#!/bin/sh\n"
           "dir=$(dirname \"$0\")\n"
           "echo \"$1\" >> \"$dir/runs\"\n"
           "n=$(wc -l < \"$dir/runs\")\n"
           "while [ -d \"$dir\" ] && [ ! -e \"$dir/go$n\" ]; do sleep 0.05; done\n"
           + onEnd.toUtf8() + "\n";
}

class PauseTest;

// A blocking pause or a start-and-wait, and what the child does meanwhile.
struct PauseCase {
    const char* name;
    // Starts the program as a pupil's start does and brings it to the pause; the click that
    // begins the pause, if the child's click does, is the first of the input.
    void (PauseTest::*start)();
    QList<QPoint> clicks;
    QStringList keys;
    // The input falls into the pause when made within this time from the start of the pause; 0
    // for a start-and-wait.
    int pauseMs;
    // What lets the wait end once the input is made (the started program ends, the locked file is
    // let go); none for a pause of fixed length.
    void (PauseTest::*release)();
    // What shows that the pause is over.
    bool (PauseTest::*over)();
    // The child's next input, and what it and nothing else did.
    void (PauseTest::*after)();
};

void PrintTo(const PauseCase& c, std::ostream* os)
{
    *os << c.name;
}

class PauseTest : public testing_support::SuiteTest, public testing::WithParamInterface<PauseCase> {
public:
    ~PauseTest() override
    {
        program.kill();
        program.waitForFinished();
    }

    void startBaudrom()
    {
        startWordBuilding("baudrom", "QL Baudrom 1", "QL Baudrom 1 (Buchstaben) ;   <F6> für Lehrermenü");
    }
    void startBaudromSilben()
    {
        startWordBuilding("baudromsilben", "QL Baudrom 2", "QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü");
    }
    void startPresentation()
    {
        writeFile(dataDir() + "/Listen/Tiere", {"Haus"});
        ASSERT_NO_FATAL_FAILURE(startExercise(TAVORO_SUITE_DIR "/bogenblick"));
        ASSERT_NO_FATAL_FAILURE(chooseLevel("QL Bogenblick", kOwnWords));
        const qulonglong dialog = x.waitForWindow(kListDialog);
        ASSERT_NE(dialog, 0u);
        ASSERT_NO_FATAL_FAILURE(useWindow(kBogenblick));
        pauseClock.start();
        ASSERT_TRUE(clickUntil(dialog, kFirstList, [&] { return shows(kWordArea); }));
    }
    void startPraise()
    {
        ASSERT_NO_FATAL_FAILURE(startPresentation());
        ASSERT_TRUE(QTest::qWaitFor([&] { return shows(kInstruction); }, kWait));
        before = area(kInstruction);
        starter = {kWord};
        pauseClock.start();
    }
    void startListEditor()
    {
        // With the launcher beside it, as installed, so it keeps its data in the suite's folder.
        for (const char* name : {"bogenblick", "startomo"}) {
            copyFromSuite(name);
            makeExecutable(programDir() + QStringLiteral("/") + name);
        }
        copyFromSuite("options4.ini");
        // The list editor writes a list, as a teacher makes one in it.
        writeBytes(programDir() + "/Kartello",
                   standIn("printf 'Haus\\r\\n' > \"" + dataDir() + "/Listen/Tiere\""));
        makeExecutable(programDir() + "/Kartello");
        ASSERT_NO_FATAL_FAILURE(startExercise(programDir() + "/bogenblick"));
        ASSERT_NO_FATAL_FAILURE(chooseLevel("QL Bogenblick", kOwnWords));
        ASSERT_NO_FATAL_FAILURE(useWindow(kListDialog));
        before = area(kLists);
        x.key(window, {"F6"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return runs() == 1; }, kWait));
    }
    void startTaskRun()
    {
        copyFromSuite("Pensumo");
        makeExecutable(programDir() + "/Pensumo");
        writeBytes(programDir() + "/tastomat", standIn({}));
        makeExecutable(programDir() + "/tastomat");
        writeFile(programDir() + "/Protokoll/Namen.ini", {});
        writeFile(programDir() + "/options4.ini", kOptions);
        taskmanager::ManagerSettings s;
        s.sets[0] = {"Schreiben", {2, 0, 0, 0, 0}};
        writeFile(programDir() + "/manager.ini", taskmanager::managerLines(s));
        startProgram(program, "Pensumo", {}, x.environment());
        ASSERT_TRUE(program.waitForStarted());
        ASSERT_NO_FATAL_FAILURE(useWindow("QL Pensumo"));
        ASSERT_TRUE(clickUntil(window, kLosGehts, [&] { return runs() == 1; }));
    }

    // The typewriter's teacher chooses "without help" while another program holds the help mode's
    // settings file: its save retries with pauses.
    void startHelpModeRetry()
    {
        ASSERT_NO_FATAL_FAILURE(startExercise(TAVORO_SUITE_DIR "/tastomat"));
        ASSERT_NO_FATAL_FAILURE(chooseLevel("QL Tastomat", kLevel1));
        ASSERT_NO_FATAL_FAILURE(useWindow(kTastomat));
        settingsLock = std::make_unique<platform::FileLock>(dataDir() + "/options2.ini");
        ASSERT_FALSE(settingsLock->acquire().failed());
        x.key(window, {"F6"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return height() == baseHeight + kTeacherMenu; }, kWait));
        // "Formilo ohne Hilfen", the fifth item; a first click may fall before the menu bar is there.
        for (int attempt = 0; attempt < 3 && x.waitForMenu(1) == 0; ++attempt) {
            x.click(window, {20, 8});
            x.waitForMenu();
        }
        ASSERT_NE(x.waitForMenu(1), 0u);
        x.key(0, {"Down", "Down", "Down", "Down", "Down", "Return"});
        pauseClock.start();
    }

    bool picturesShown() { return testing_support::colourCount(x.grab(window), place(kPicture1)) > 50; }
    bool instructionShown() { return shows(kInstruction); }
    bool instructionChanged() { return area(kInstruction) != before; }
    bool listsShown() { return area(kLists) != before; }
    bool runEnded() { return !QFile::exists(dataDir() + "/Protokoll.txt"); }
    bool helpModeSaved() { return QString::fromLatin1(readBytes(dataDir() + "/options2.ini")).trimmed() == "2"; }

    void afterWordBuilding()
    {
        afterExercise([&] { return hiddenSlots().isEmpty() && !shows(kMarks) && picturesShown(); },
                      [&] { x.click(window, kNextTask + QPoint(0, kTeacherMenu)); },
                      "Die Aufgabe \"[^\"]+\" wurde beim ersten Versuch falsch gelöst\\.");
    }
    void afterPresentation()
    {
        afterExercise([&] { return shows(kInstruction) && !shows(kSyllableMarks); },
                      [&] { x.click(window, kNextWord + QPoint(0, kTeacherMenu)); },
                      "Die Aufgabe \"Haus\" wurde beim ersten Versuch falsch gelöst\\.");
    }
    void afterPraise()
    {
        afterExercise([&] { return shows(kInstruction) && area(kInstruction) != before && !shows(kSyllableMarks); },
                      [&] { x.key(window, {"shift+h", "a", "u", "s"}); },
                      "Die Aufgabe \"Haus\" wurde beim ersten Versuch richtig gelöst\\.");
    }
    // Nothing was typed; the next click skips the task.
    void afterHelpModeRetry()
    {
        afterExercise([&] { return !shows(kTyped); }, [&] { x.click(window, kTypewriterNext); },
                      "Die Aufgabe \"[^\"]+\" wurde beim ersten Versuch falsch gelöst\\.");
    }
    // The list made meanwhile is chosen with the next click; the editor started once.
    void afterListEditor()
    {
        x.click(window, kFirstList);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return runs() > 1 || shownNow("QL Bogenblick") || !shownNow(kListDialog); }, kWait));
        EXPECT_EQ(runs(), 1);
        EXPECT_FALSE(shownNow("QL Bogenblick")) << "the level dialog came again";
        ASSERT_NO_FATAL_FAILURE(useWindow(kBogenblick));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shows(kWordArea); }, kWait));
    }
    // The next click ends the task manager: no set ran again meanwhile.
    void afterTaskRun()
    {
        x.click(window, kManagerEnd);
        ASSERT_TRUE(QTest::qWaitFor([&] { return runs() > 1 || program.state() == QProcess::NotRunning; }, kWait));
        EXPECT_EQ(readBytes(programDir() + "/runs"), "Q99A\n");
        EXPECT_EQ(program.state(), QProcess::NotRunning);
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    }

    // The pupil's log lines of the tasks.
    QStringList taskLines() const
    {
        const QString log = QString::fromLatin1(readBytes(dataDir() + "/Protokoll_2/Anna.txt"));
        return log.split("\r\n").filter(QRegularExpression("^Die Aufgabe "));
    }
    // How often the started program was started.
    int runs() const { return static_cast<int>(readBytes(programDir() + "/runs").count('\n')); }
    // What input acting after the pause would leave at once: an answer logged, a second start
    // of the started program, or the program ended.
    bool acted() const { return !taskLines().isEmpty() || runs() > 1 || program.state() == QProcess::NotRunning; }
    void endStartedProgram() { writeBytes(programDir() + "/go1", {}); }
    void releaseSettings() { settingsLock.reset(); }

    PrivateXServer x;
    QProcess program;
    // Where the child's input goes.
    qulonglong window = 0;
    int baseHeight = 0;
    QList<QPoint> starter;
    QElapsedTimer pauseClock;
    QImage before;
    std::unique_ptr<platform::FileLock> settingsLock;

private:
    // The window the child's input goes to, as it stands now.
    void useWindow(const QString& title)
    {
        window = x.waitForWindow(title);
        ASSERT_NE(window, 0u) << title.toStdString();
        baseHeight = height();
    }
    // The teacher's options are the user's own: the backup equals the central file.
    void startExercise(const QString& path)
    {
        writeFile(dataDir() + "/options4.ini", kOptions);
        QFile::copy(QFileInfo(path).absolutePath() + "/options4.ini", dataDir() + "/options4.bak");
        QProcessEnvironment env = x.environment();
        env.insert("XDG_DATA_HOME", appDataDir());
        env.insert("TMPDIR", paths->temp);
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setWorkingDirectory(root.path());
        program.start(path, {"Q /p=\"" + dataDir() + "\" /n=\"Anna\""});
        ASSERT_TRUE(program.waitForStarted());
    }
    void chooseLevel(const QString& title, QPoint button)
    {
        const qulonglong level = x.waitForWindow(title);
        ASSERT_NE(level, 0u);
        ASSERT_TRUE(clickUntil(level, button, [&] { return !shownNow(title); }));
    }
    void startWordBuilding(const QString& executable, const QString& levelTitle, const char* title)
    {
        ASSERT_NO_FATAL_FAILURE(startExercise(TAVORO_SUITE_DIR "/" + executable));
        ASSERT_NO_FATAL_FAILURE(chooseLevel(levelTitle, kLevel1));
        ASSERT_NO_FATAL_FAILURE(useWindow(QString::fromUtf8(title)));
        QList<int> hidden;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !(hidden = hiddenSlots()).isEmpty(); }, kWait));
        while (hidden.size() > 1) {
            const qsizetype count = hidden.size();
            ASSERT_TRUE(clickUntil(window, {hidden.first(), kSlotRow},
                                   [&] { return (hidden = hiddenSlots()).size() < count; }));
        }
        starter = {QPoint(hidden.first(), kSlotRow)};
        pauseClock.start();
    }

    // F6 shows or hides the teacher menu: it acts, and when it has, every input before it has
    // been taken. Then the task is still the one of the pause and nothing was logged; the
    // child's next input acts and is logged as `line`.
    void afterExercise(const std::function<bool()>& sameTask, const std::function<void()>& next,
                       const QString& line)
    {
        const int toggled = height() == baseHeight ? baseHeight + kTeacherMenu : baseHeight;
        x.key(window, {"F6"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return height() == toggled || acted(); }, kWait));
        ASSERT_EQ(taskLines(), QStringList());
        EXPECT_TRUE(sameTask());
        next();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !taskLines().isEmpty(); }, kWait));
        const QStringList lines = taskLines();
        ASSERT_EQ(lines.size(), 1) << lines.join('|').toStdString();
        EXPECT_TRUE(QRegularExpression("^" + line + "$").match(lines.first()).hasMatch())
            << lines.first().toStdString();
        EXPECT_EQ(height(), toggled);
    }

    // Clicks until `done`: a window just shown may still be on its way to its place when the
    // first click falls.
    bool clickUntil(qulonglong target, QPoint pixel, const std::function<bool()>& done) const
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            x.click(target, pixel);
            if (QTest::qWaitFor(done, 3000))
                return true;
        }
        return false;
    }

    int height() const { return x.geometry(window).height(); }
    // Below the teacher menu, once it is shown, everything lies lower by its height.
    QRect place(const QRect& rect) const { return rect.translated(0, height() - baseHeight); }
    QImage area(const QRect& rect) const { return x.grab(window).copy(place(rect)); }
    // Text or a picture there, not an empty place.
    bool shows(const QRect& rect) const { return testing_support::colourCount(x.grab(window), place(rect)) > 10; }
    bool shownNow(const QString& title) const { return x.waitForWindow(title, 1) != 0; }

    // Where the slots still grey stand, left to right.
    QList<int> hiddenSlots() const
    {
        return testing_support::runsOfColour(x.grab(window), kSlotRow + height() - baseHeight, 0xe0e0e0);
    }

    static void makeExecutable(const QString& path)
    {
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }
};

const PauseCase kCases[] = {
    {"baudrom_pictures", &PauseTest::startBaudrom, kPictures + QList<QPoint>{kNextTask}, {"F6", "space"}, 2000, nullptr,
     &PauseTest::picturesShown, &PauseTest::afterWordBuilding},
    {"baudromsilben_pictures", &PauseTest::startBaudromSilben, kPictures + QList<QPoint>{kNextTask},
     {"F6", "space"}, 2000, nullptr, &PauseTest::picturesShown, &PauseTest::afterWordBuilding},
    // A one-syllable list word: 3000 and 1500 ms of presentation.
    {"bogenblick_presentation", &PauseTest::startPresentation, {kNextWord, kWord}, {"F6", "space"}, 4500, nullptr,
     &PauseTest::instructionShown, &PauseTest::afterPresentation},
    {"bogenblick_praise", &PauseTest::startPraise, {kNextWord}, {"x", "F6"}, 3000, nullptr, &PauseTest::instructionChanged,
     &PauseTest::afterPraise},
    {"bogenblick_list_editor", &PauseTest::startListEditor, {kBack}, {"F6"}, 0, &PauseTest::endStartedProgram,
     &PauseTest::listsShown,
     &PauseTest::afterListEditor},
    {"Pensumo_task_run", &PauseTest::startTaskRun, {kLosGehts, kLosGehts}, {"space"}, 0,
     &PauseTest::endStartedProgram, &PauseTest::runEnded, &PauseTest::afterTaskRun},
    // The save's retries wait 500, 1000 and 1500 ms; the file is let go after the input.
    {"tastomat_settings_retry", &PauseTest::startHelpModeRetry, {kTypewriterNext + QPoint(0, kTeacherMenu)},
     {"F6", "a"}, 3000, &PauseTest::releaseSettings, &PauseTest::helpModeSaved, &PauseTest::afterHelpModeRetry},
};

TEST_P(PauseTest, InputMadeMeanwhileIsDroppedAndTheNextInputActs)
{
    const PauseCase& c = GetParam();
    ASSERT_TRUE(x.running());
    ASSERT_NO_FATAL_FAILURE((this->*c.start)());
    x.input(window, starter + c.clicks, c.keys);
    if (c.pauseMs > 0) {
        ASSERT_LT(pauseClock.elapsed(), c.pauseMs) << "the input came too late to fall into the pause";
    }
    if (c.release)
        (this->*c.release)();
    ASSERT_TRUE(QTest::qWaitFor([&] { return (this->*c.over)() || acted(); }, kWait)) << "the pause did not end";
    ASSERT_EQ(program.state(), QProcess::Running) << "input made meanwhile ended the program";
    (this->*c.after)();
}

INSTANTIATE_TEST_SUITE_P(Pauses, PauseTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PauseCase>& info) { return std::string(info.param.name); });

} // namespace
