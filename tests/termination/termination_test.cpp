// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A logout or a shutdown (SIGTERM, SIGHUP) in every state of every program. Each real program,
// started as a pupil's or teacher's start starts it, is brought into the state by real clicks and
// keys on a private X server; then it gets the signal. It must be gone within 3 s, having shown no
// window meanwhile (no box), left no file in the temp, runtime or data folder and no program of
// its own running, and written the pupil's log summary where the run logged tasks.
#include "tests/support/fixture.h"
#include "tests/support/full_disk.h"
#include "tests/support/xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/syscall.h>
#include <tuple>

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;
using Kind = PrivateXServer::Kind;

constexpr int kGoneMs = 3000;
constexpr int kStepMs = 30000;
// A program named so starts from the test's program folder, not from the suite's.
const QString kProgramFolder = QStringLiteral("%PROGRAM%");

class TerminationTest;
// One step of bringing the program into its state; false when the state did not come.
using Step = std::function<bool(TerminationTest&)>;

struct Row {
    std::string name;
    QString program;
    // The argument string of the start; "%DATA%" stands for the data folder.
    QString arguments;
    // The files as earlier runs and the teacher left them; may skip the test.
    std::function<void(TerminationTest&)> prepare;
    std::vector<Step> steps;
    // What else the end must have done.
    std::function<void(TerminationTest&)> check;
};

using Files = QSet<QString>;

Files filesBelow(const QString& folder)
{
    Files found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(QDir(folder).relativeFilePath(it.next()));
    return found;
}

QString joined(const Files& files)
{
    QStringList list(files.begin(), files.end());
    list.sort();
    return list.join(QStringLiteral(", "));
}

class TerminationTest : public testing_support::SuiteTest,
                        public testing::WithParamInterface<std::tuple<Row, int>> {
public:
    using SuiteTest::appDataDir;
    using SuiteTest::copyFromSuite;
    using SuiteTest::dataDir;
    using SuiteTest::programDir;
    using SuiteTest::readBytes;
    using SuiteTest::writeBytes;
    using SuiteTest::writeFile;

    TerminationTest()
    {
        QDir().mkpath(runtimeDir());
        QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(dataDir());
    }
    ~TerminationTest() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }

    static QString suite(const QString& name) { return QStringLiteral(TAVORO_SUITE_DIR "/") + name; }
    QString runtimeDir() const { return root.path() + QStringLiteral("/runtime"); }
    QString logFile() const { return dataDir() + QStringLiteral("/Protokoll_2/Max.txt"); }
    QStringList logLines() const { return platform::readTextFile(logFile()).lines; }
    // The tasks of this run, each skipped with "Weiter" and so logged as wrong.
    qsizetype skippedTasks() const { return logLines().filter(QStringLiteral("falsch gelöst.")).size(); }

    // The suite's options as installed, with some lines (counted from 1) changed, as the user's
    // own; its backup equals the installed file, so the user's values are kept.
    void writeOptions(const std::map<int, int>& changes = {}) const
    {
        QStringList lines = platform::readTextFile(suite(QStringLiteral("options4.ini"))).lines;
        for (const auto& [line, value] : changes)
            lines[line - 1] = platform::formatNumber(value);
        writeFile(dataDir() + QStringLiteral("/options4.ini"), lines);
        QFile::copy(suite(QStringLiteral("options4.ini")), dataDir() + QStringLiteral("/options4.bak"));
    }

    void start(const Row& row)
    {
        QProcessEnvironment env = x.environment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), appDataDir());
        env.insert(QStringLiteral("TMPDIR"), paths->temp);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        // Prints go to a PDF file, never to a printer of the machine.
        env.insert(QStringLiteral("CUPS_SERVER"), root.path() + QStringLiteral("/no-cups"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(root.path());
        QString arguments = row.arguments;
        arguments.replace(QStringLiteral("%DATA%"), dataDir());
        const QString path = row.program.startsWith(kProgramFolder)
                                 ? programDir() + row.program.mid(kProgramFolder.size())
                                 : suite(row.program);
        program.start(path, arguments.isEmpty() ? QStringList() : QStringList{arguments});
    }

    // Everything the program and the programs it started wrote to their error output.
    QString output()
    {
        output_ += QString::fromLocal8Bit(program.readAllStandardError() + program.readAllStandardOutput());
        return output_;
    }

    // The processes running on this test's data folder: the program and what it started.
    QList<qint64> ownProcesses() const
    {
        const QByteArray mine = "XDG_DATA_HOME=" + QFile::encodeName(appDataDir());
        QList<qint64> found;
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
            if (pid.toLongLong() > 0 && environ.open(QIODevice::ReadOnly)
                && environ.readAll().split('\0').contains(mine))
                found << pid.toLongLong();
        }
        return found;
    }

    PrivateXServer x;
    QProcess program;
    qulonglong window = 0;   // the window found last
    std::unique_ptr<testing_support::FullDisk> disk;
    std::unique_ptr<platform::FileLock> lock;

private:
    QString output_;
};

// ---- steps ----

// A form with exactly this title is on the screen.
Step form(const QString& title)
{
    return [title](TerminationTest& t) {
        t.window = t.x.waitForWindow(title, kStepMs, Kind::Normal);
        return t.window != 0;
    };
}

// A message box with this title is on the screen.
Step box(const QString& title)
{
    return [title](TerminationTest& t) {
        t.window = t.x.waitForWindow(title, kStepMs, Kind::Dialog);
        return t.window != 0;
    };
}

// A click on a control of the form found last, given in twips.
Step click(int left, int top, int width, int height)
{
    return [=](TerminationTest& t) {
        t.x.click(t.window, twipsCentre(left, top, width, height));
        return true;
    };
}

// The button of the level dialog with this index.
Step level(const QString& title, int index)
{
    return [=](TerminationTest& t) {
        return form(title)(t) && click(375, 1125 + 840 * index, 5775, 675)(t);
    };
}

Step keys(const QStringList& names)
{
    return [=](TerminationTest& t) {
        t.x.key(t.window, names);
        return true;
    };
}

// A click on the first entry of the form's menu bar, then keys in the menu, until the window
// `target` comes: the first click may fall before the window is in its place.
Step menu(const QStringList& names, const QString& target)
{
    return [=](TerminationTest& t) {
        const qulonglong owner = t.window;
        for (int attempt = 0; attempt < 3; ++attempt) {
            t.x.click(owner, {20, 8});
            if (t.x.waitForMenu() == 0)
                continue;
            t.x.key(0, names);
            if ((t.window = t.x.waitForWindow(target, 5000)) != 0)
                return true;
            t.x.key(0, {QStringLiteral("Escape"), QStringLiteral("Escape")});
        }
        return false;
    };
}

// The pupil's log holds `count` tasks of this run.
Step logged(int count)
{
    return [count](TerminationTest& t) {
        return QTest::qWaitFor([&] { return t.skippedTasks() == count; }, kStepMs);
    };
}

// The program waits in a blocking pause: a poll on the one descriptor that a signal wakes, with
// a timeout (the event loop polls several, the display connection without a timeout).
bool pausing(TerminationTest& t)
{
    const QString syscall = QStringLiteral("/proc/%1/syscall").arg(t.program.processId());
    const QStringList fields = QString::fromLatin1(t.readBytes(syscall)).split(QLatin1Char(' '));
    return fields.size() > 3 && fields[0] == QString::number(SYS_poll) && fields[2] == QLatin1String("0x1")
           && !fields[3].startsWith(QLatin1String("0xffffffff"));
}

Step inPause()
{
    return [](TerminationTest& t) { return QTest::qWaitFor([&] { return pausing(t); }, kStepMs); };
}

// Word building's grey slots, revealed one by one from the left as the child clicks them; the
// last one begins the pause before the pictures.
Step revealSlots()
{
    return [](TerminationTest& t) {
        constexpr int kSlotRow = (360 + 1215 / 2) / 15;
        const auto hidden = [&] { return testing_support::runsOfColour(t.x.grab(t.window), kSlotRow, 0xe0e0e0); };
        QList<int> places;
        if (!QTest::qWaitFor([&] { return !(places = hidden()).isEmpty(); }, kStepMs))
            return false;
        // A click may fall before the window is in its place: it is repeated.
        for (int attempt = 0; attempt < 40 && !places.isEmpty() && !pausing(t); ++attempt) {
            const qsizetype count = places.size();
            t.x.click(t.window, {places.first(), kSlotRow});
            if (!QTest::qWaitFor([&] { return pausing(t) || (places = hidden()).size() < count; }, 3000))
                places = hidden();
        }
        return places.isEmpty() || pausing(t);
    };
}

// The list editor, started from the word-list dialog, runs.
Step editorRunning()
{
    return [](TerminationTest& t) {
        return QTest::qWaitFor([&] { return QFileInfo::exists(t.programDir() + QStringLiteral("/runs")); }, kStepMs);
    };
}

// ---- the programs ----

const QString kDown = QStringLiteral("Down");
const QString kReturn = QStringLiteral("Return");

struct Exercise {
    const char* program;
    const char* title;         // its application title: level dialog and message boxes
    const char* windowTitle;
    bool levelDialog;          // asked at every start
    bool resultsLog;
    // The level dialog's button of the own pictures, -1 for none: with none there, a box says so.
    int ownPicturesLevel = -1;
    // The next-task button in twips, which skips a task with option 7; empty for none.
    QRect nextTask;
    // The keys in the open teacher menu that choose its print item; empty for none.
    QStringList printItem;
    // Word building: the pause between the word's last slot and its pictures.
    bool slotPause = false;
    // The word-list dialog starts the list editor with F6 and waits for it.
    bool listEditor = false;
};

const Exercise kExercises[] = {
    {"tastomat", "QL Tastomat", "QL Tastomat ;   <F6> für Lehrermenü", true, true, 3, {2160, 5160, 2400, 840},
     {kDown, kDown, kDown, kReturn}},
    {"Fugolin", "QL Fugolin", "QL Fugolin ;   <F6> für Lehrermenü", true, true, 5, {5040, 4440, 1815, 855},
     {QStringLiteral("Up"), kReturn}, false, true},
    {"plattix", "QL Plattix", "QL Plattix ;   <F6> für Lehrermenü", true, true, 3, {5040, 4440, 1815, 855},
     {QStringLiteral("Up"), kReturn}},
    {"Kritzlon", "QL Kritzlon", "QL Kritzlon ;   <F6> für Lehrermenü", false, false, -1, {}, {kDown, kDown, kReturn}},
    {"baudrom", "QL Baudrom 1", "QL Baudrom 1 (Buchstaben) ;   <F6> für Lehrermenü", true, true, 3,
     {4920, 4080, 1815, 855}, {}, true},
    {"baudromsilben", "QL Baudrom 2", "QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü", true, true, 3,
     {4920, 4080, 1815, 855}, {}, true},
    {"bogenblick", "QL Bogenblick", "QL Bogenblick ;   <F6> für Lehrermenü", true, true, 5, {}, {}, false, true},
    {"lesolum", "QL Lesolum", "QL Lesolum ;   <F6> für Lehrermenü", true, true, 3, {}, {}},
    {"rateflor", "QL Rateflor", "QL Rateflor ;   <F6> für Lehrermenü", false, true, -1, {}, {}},
};

// The launcher's start of an exercise for Max, logging under the pupil's name.
const QString kLoggedStart = QStringLiteral("Q /p=\"%DATA%\" /n=\"Max\"");
const QString kLauncherTitle = QStringLiteral("QL Tavoro ;   <F6> für Lehrermenü");

void suiteOptions(TerminationTest& t)
{
    t.writeOptions();
}

// The user's settings file held by another program (an options dialog open elsewhere).
void lockedOptions(TerminationTest& t)
{
    t.writeOptions();
    t.lock = std::make_unique<platform::FileLock>(t.dataDir() + QStringLiteral("/options4.ini"));
    ASSERT_FALSE(t.lock->acquire().failed());
}

void expectSummary(TerminationTest& t, int tasks)
{
    EXPECT_EQ(t.logLines().value(t.logLines().size() - 1),
              QStringLiteral("Von %1 Aufgaben wurden 0 richtig gelöst.").arg(tasks));
}

// "Weiter" skips a task, counted wrong, with option 7.
const std::map<int, int> kSkipping{{7, -1}};

void skipping(TerminationTest& t)
{
    t.writeOptions(kSkipping);
}

// The exercise and the launcher beside it in the test's program folder, as installed, with a
// list editor that runs until it is ended.
void besideListEditor(TerminationTest& t, const QString& exercise)
{
    for (const QString& name : {exercise, QStringLiteral("startomo"), QStringLiteral("options4.ini")})
        t.copyFromSuite(name);
    const QString editor = t.programDir() + QStringLiteral("/Kartello");
    t.writeBytes(editor, "#!/bin/sh\necho started > \"$(dirname \"$0\")/runs\"\nexec sleep 60\n");
    for (const QString& path : {editor, t.programDir() + QLatin1Char('/') + exercise})
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    t.writeOptions();
}

// The states that only some exercises have.
void addOwnStates(const Exercise& e, const std::vector<Step>& toWindow, std::vector<Row>& rows)
{
    const QString title = QString::fromUtf8(e.title);
    if (e.ownPicturesLevel >= 0)
        rows.push_back({"NoOwnPicturesWarning", e.program, "Q", suiteOptions,
                        {level(title, e.ownPicturesLevel), box(title)}, {}});
    if (!e.nextTask.isEmpty()) {
        std::vector<Step> tenTasks = toWindow;
        for (int task = 1; task <= 10; ++task) {
            tenTasks.push_back(click(e.nextTask.x(), e.nextTask.y(), e.nextTask.width(), e.nextTask.height()));
            tenTasks.push_back(logged(task));
        }
        tenTasks.push_back(form(QStringLiteral("Protokoll")));
        rows.push_back({"BlockResult", e.program, kLoggedStart, skipping, tenTasks,
                        [](TerminationTest& t) { expectSummary(t, 10); }});
    }
    if (!e.printItem.isEmpty()) {
        std::vector<Step> printDialog = toWindow;
        printDialog.push_back(keys({QStringLiteral("F6")}));
        printDialog.push_back(menu(e.printItem, QStringLiteral("Drucken")));
        rows.push_back({"PrintDialog", e.program, "Q", suiteOptions, printDialog, {}});
    }
    if (e.slotPause) {
        std::vector<Step> pause = toWindow;
        pause.push_back(revealSlots());
        pause.push_back(inPause());
        rows.push_back({"PicturePause", e.program, "Q", suiteOptions, pause, {}});
    }
    if (e.listEditor) {
        const QString program = QString::fromUtf8(e.program);
        rows.push_back({"ListEditor", kProgramFolder + QLatin1Char('/') + program, "Q",
                        [program](TerminationTest& t) { besideListEditor(t, program); },
                        {level(title, 4),
                         form(QStringLiteral("Auswahl einer Wortliste durch Klick (Erstellen einer Wortliste mit F6)")),
                         keys({QStringLiteral("F6")}), editorRunning()},
                        {}});
    }
}

std::vector<Row> exerciseRows(const Exercise& e)
{
    const QString title = QString::fromUtf8(e.title);
    const QString windowTitle = QString::fromUtf8(e.windowTitle);
    std::vector<Row> rows;
    std::vector<Step> toWindow;
    if (e.levelDialog) {
        rows.push_back({"LevelDialog", e.program, "Q", suiteOptions, {form(title)}, {}});
        toWindow.push_back(level(title, 0));
    }
    toWindow.push_back(form(windowTitle));
    rows.push_back({"MainWindow", e.program, "Q", suiteOptions, toWindow, {}});
    // Both the start-up's settings read and the start-up itself wait.
    rows.push_back({"SettingsPause", e.program, "Q", lockedOptions, {inPause()}, {}});
    if (e.resultsLog) {
        // A folder in the place of the pupil's log file: the log cannot be opened.
        const auto unopenableLog = [](TerminationTest& t) {
            t.writeOptions();
            QDir().mkpath(t.logFile());
        };
        rows.push_back({"LogWarning", e.program, kLoggedStart, unopenableLog, {box(title)}, {}});
    }
    addOwnStates(e, toWindow, rows);
    for (Row& row : rows)
        row.name = std::string(e.program) + "_" + row.name;
    return rows;
}

// The pupil's log on a small file system that is full: only `room` bytes still fit into the log
// file's last page. A run's block begins with 154 bytes; a task skipped with "Weiter" adds 57
// bytes and its word (2 to 20 letters); the summary of two tasks takes 43.
void fullLogDisk(TerminationTest& t, int room)
{
    t.writeOptions(kSkipping);
    const QString folder = t.dataDir() + QStringLiteral("/Protokoll_2");
    QDir().mkpath(folder);
    t.disk = std::make_unique<testing_support::FullDisk>(folder);
    if (!t.disk->mounted())
        GTEST_SKIP() << "no right to mount a small file system";
    // Earlier runs' lines, 4096 - room bytes.
    QStringList lines{QString(), QString(82, QLatin1Char('-')), QString(), QStringLiteral("Programm Tastomat:"),
                      QStringLiteral("Protokoll begonnen am 10.12.2026 08:00:00."), QString()};
    const auto task = [](const QString& word) {
        return QStringLiteral("Die Aufgabe \"%1\" wurde beim ersten Versuch richtig gelöst.").arg(word);
    };
    int left = 4096 - room - 154;
    for (; left - 61 >= 59; left -= 61)
        lines << task(QStringLiteral("Oma"));
    lines << task(QString(left - 58, QLatin1Char('o')));
    t.writeFile(t.logFile(), lines);
    ASSERT_EQ(QFileInfo(t.logFile()).size(), 4096 - room);
    t.disk->fill();
}

std::vector<Row> typewriterRows()
{
    const QString title = QStringLiteral("QL Tastomat");
    const QString windowTitle = QStringLiteral("QL Tastomat ;   <F6> für Lehrermenü");
    const Step weiter = click(2160, 5160, 2400, 840);
    const std::vector<Step> printed{
        level(title, 0), form(windowTitle), keys({QStringLiteral("F6")}),
        menu({kDown, kDown, kDown, kReturn}, QStringLiteral("Drucken")), click(360, 3480, 1935, 375), box(title)};
    return {
        {"tastomat_TwoTasksLogged", "tastomat", kLoggedStart, skipping,
         {level(title, 0), form(windowTitle), weiter, logged(1), weiter, logged(2)},
         [](TerminationTest& t) { expectSummary(t, 2); }},
        // "OK": without a printer the print goes to a PDF file, and a box says where.
        {"tastomat_PrintedBox", "tastomat", "Q", suiteOptions, printed,
         [](TerminationTest& t) {
             EXPECT_EQ(QDir(t.dataDir() + QStringLiteral("/Ausdrucke")).entryList({QStringLiteral("*.pdf")}).size(), 1);
         }},
        // The disk runs full during the run: the log's write warning is open.
        {"tastomat_LogWriteWarning", "tastomat", kLoggedStart, [](TerminationTest& t) { fullLogDisk(t, 250); },
         {level(title, 0), form(windowTitle), weiter, logged(1), weiter, box(title)}, {}},
        // The disk runs full after two tasks: the summary cannot be written at the end.
        {"tastomat_SummaryOnFullDisk", "tastomat", kLoggedStart, [](TerminationTest& t) { fullLogDisk(t, 308); },
         {level(title, 0), form(windowTitle), weiter, logged(1), weiter, logged(2)},
         [](TerminationTest& t) {
             EXPECT_EQ(t.logLines().value(t.logLines().size() - 1).left(12), QStringLiteral("Die Aufgabe "));
         }},
    };
}

std::vector<Row> otherExerciseRows()
{
    const QString wordList = QStringLiteral("Auswahl einer Wortliste durch Klick (Erstellen einer Wortliste mit F6)");
    return {
        // "Eigene Wortlisten": the word-list dialog.
        {"Fugolin_WordListDialog", "Fugolin", "Q", suiteOptions, {level(QStringLiteral("QL Fugolin"), 4), form(wordList)}, {}},
        {"bogenblick_WordListDialog", "bogenblick", "Q", suiteOptions,
         {level(QStringLiteral("QL Bogenblick"), 4), form(wordList)}, {}},
        // The syllables of the first word come one by one, with pauses between.
        {"bogenblick_PresentationPause", "bogenblick", "Q", suiteOptions,
         {level(QStringLiteral("QL Bogenblick"), 0), form(QStringLiteral("QL Bogenblick ;   <F6> für Lehrermenü")), inPause()},
         {}},
        // Its print button's settings file cannot be read: a folder stands in its place.
        {"Kritzlon_SettingsWarning", "Kritzlon", "Q",
         [](TerminationTest& t) {
             t.writeOptions();
             t.writeFile(t.dataDir() + QStringLiteral("/options3.ini/keep"), {});
         },
         {box(QStringLiteral("QL Kritzlon"))}, {}},
    };
}

// The launcher in the test's program folder with many central lists, each changed since the
// pupil's earlier start received it.
constexpr int kCentralLists = 800;
const QDateTime kReceived(QDate(2026, 9, 7), QTime(8, 0));
const QDateTime kChanged(QDate(2026, 9, 8), QTime(8, 0));

QString listName(int i)
{
    return QStringLiteral("/Liste %1.txt").arg(i);
}

void writeList(TerminationTest& t, const QString& path, const QString& word, const QDateTime& time)
{
    t.writeFile(path, {word});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
}

void changedLists(TerminationTest& t)
{
    for (const QString& name : {QStringLiteral("startomo"), QStringLiteral("options4.ini"),
                                QStringLiteral("Protokoll_2/Namen.ini")})
        t.copyFromSuite(name);
    t.writeOptions();
    const QString received = t.dataDir() + QStringLiteral("/Listen");
    for (int i = 0; i < kCentralLists; ++i) {
        writeList(t, t.programDir() + QStringLiteral("/Listen") + listName(i), QStringLiteral("neu"), kChanged);
        for (const QString& folder : {received, received + QStringLiteral("/Server")})
            writeList(t, folder + listName(i), QStringLiteral("alt"), kReceived);
    }
}

// Each list as it was or as received anew, whole, with the Server copy to match.
void listsWhole(TerminationTest& t)
{
    const QString received = t.dataDir() + QStringLiteral("/Listen");
    for (int i = 0; i < kCentralLists; ++i) {
        const QStringList user = platform::readTextFile(received + listName(i)).lines;
        const QString server = received + QStringLiteral("/Server") + listName(i);
        const bool anew = QFileInfo(server).lastModified() == kChanged;
        EXPECT_EQ(user, QStringList{anew ? QStringLiteral("neu") : QStringLiteral("alt")}) << i;
        EXPECT_EQ(platform::readTextFile(server).lines, user) << i;
    }
}

std::vector<Row> launcherRows()
{
    const QString named = QStringLiteral("/n=\"Max\"");
    const auto teacherMenu = [&](const QStringList& names, const QString& target) {
        return std::vector<Step>{form(kLauncherTitle), keys({QStringLiteral("F6")}),
                                 menu(names, target)};
    };
    const QString down = QStringLiteral("Down");
    const QString enter = QStringLiteral("Return");
    const QString right = QStringLiteral("Right");
    std::vector<Row> rows{
        {"startomo_MainWindow", "startomo", named, suiteOptions, {form(kLauncherTitle)}, {}},
        // With names on and none given, the name dialog comes first.
        {"startomo_NameDialog", "startomo", {}, suiteOptions, {form(QStringLiteral("QL Ornifant"))}, {}},
        {"startomo_OptionsDialog", "startomo", named, suiteOptions,
         teacherMenu({down, down, down, down, down, down, enter}, QStringLiteral("Optionen")), {}},
        {"startomo_LogViewer", "startomo", named, suiteOptions,
         teacherMenu({down, down, down, right, enter}, QStringLiteral("Protokolle anzeigen")), {}},
        {"startomo_NameList", "startomo", named, suiteOptions,
         teacherMenu({down, down, down, right, down, enter}, QStringLiteral("Namen löschen")), {}},
        {"startomo_AboutBox", "startomo", named, suiteOptions,
         teacherMenu({down, down, enter}, QStringLiteral("Info über QL Tavoro")), {}},
        {"startomo_SettingsPause", "startomo", named, lockedOptions, {inPause()}, {}},
        {"startomo_ReceivingLists", kProgramFolder + QStringLiteral("/startomo"), named, changedLists,
         {form(kLauncherTitle)}, listsWhole},
        // The black backdrop over the whole screen, the taskbar hidden.
        {"startomo_OnBackdrop", "startomo", named,
         [](TerminationTest& t) { t.writeOptions({{2, -1}, {3, 0}}); },
         {form(QStringLiteral("Hintergrund")), form(kLauncherTitle)}, {}},
    };
    return rows;
}

// "manager.ini" as the teacher's editor left it: set 1 ("Schreiben", the typewriter) active.
void managerFile(TerminationTest& t, int logging)
{
    QStringList lines{QStringLiteral("TV"), QStringLiteral(" 1 "), QStringLiteral("2 0 0 0 0 "),
                      QStringLiteral("Schreiben")};
    for (int set = 2; set <= 10; ++set)
        lines << QStringLiteral("0 0 0 0 0 ") << QStringLiteral("leer");
    lines << platform::formatNumber(logging) << QStringLiteral("-1 ");
    t.writeOptions();
    t.writeFile(t.dataDir() + QStringLiteral("/manager.ini"), lines);
}

std::vector<Row> taskManagerRows()
{
    const QString title = QStringLiteral("QL Pensumo");
    // "Los geht's" (405, 240, 2655, 1215 twips), below a menu bar of one row or two.
    const Step losGehts = [](TerminationTest& t) {
        t.x.click(t.window, {(405 + 2655 / 2) / 15, (240 + 1215 / 2) / 15 + 20});
        return true;
    };
    const auto withoutLogging = [](TerminationTest& t) { managerFile(t, 0); };
    const QString down = QStringLiteral("Down");
    const QString right = QStringLiteral("Right");
    const QString enter = QStringLiteral("Return");
    const auto optionsMenu = [&](const QStringList& names, const QString& target) {
        QStringList all{right};
        all << names;
        return std::vector<Step>{form(title), menu(all, target)};
    };
    return {
        {"Pensumo_MainWindow", "Pensumo", {}, withoutLogging, {form(title)}, {}},
        {"Pensumo_NameDialog", "Pensumo", {}, [](TerminationTest& t) { managerFile(t, -1); },
         {form(QStringLiteral("Namen eingeben"))}, {}},
        {"Pensumo_SetEditor", "Pensumo", {}, withoutLogging,
         optionsMenu({enter}, QStringLiteral("Pensumo - Einstellungen")), {}},
        {"Pensumo_LogViewer", "Pensumo", {}, withoutLogging,
         optionsMenu({down, enter}, QStringLiteral("Protokolle anzeigen")), {}},
        {"Pensumo_NameList", "Pensumo", {}, withoutLogging,
         optionsMenu({down, down, enter}, QStringLiteral("Namen löschen")), {}},
        // The set's typewriter runs and asks for its level.
        {"Pensumo_RunningSet", "Pensumo", {}, withoutLogging,
         {form(title), losGehts, form(QStringLiteral("QL Tastomat"))},
         [](TerminationTest& t) { EXPECT_FALSE(QFileInfo::exists(t.dataDir() + QStringLiteral("/Protokoll.txt"))); }},
        // The results file cannot be emptied (a folder with content in its place): the run's box.
        {"Pensumo_MessageBox", "Pensumo", {},
         [](TerminationTest& t) {
             managerFile(t, 0);
             t.writeFile(t.dataDir() + QStringLiteral("/Protokoll.txt/keep"), {});
         },
         {form(title), losGehts, box(title)}, {}},
        {"Pensumo_SettingsPause", "Pensumo", {},
         [](TerminationTest& t) {
             managerFile(t, 0);
             lockedOptions(t);
         },
         {inPause()}, {}},
    };
}

std::vector<Row> allRows()
{
    std::vector<Row> rows = launcherRows();
    for (std::vector<Row> more : {taskManagerRows(), typewriterRows(), otherExerciseRows()})
        rows.insert(rows.end(), more.begin(), more.end());
    for (const Exercise& e : kExercises) {
        const std::vector<Row> more = exerciseRows(e);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    return rows;
}

TEST_P(TerminationTest, EndsAtOnceWithoutABoxLeavingNothingBehind)
{
    const auto& [row, signal] = GetParam();
    ASSERT_TRUE(x.running());
    row.prepare(*this);
    if (IsSkipped() || HasFatalFailure())
        return;
    const Files before = filesBelow(dataDir());
    start(row);
    ASSERT_TRUE(program.waitForStarted());
    for (std::size_t i = 0; i < row.steps.size(); ++i)
        ASSERT_TRUE(row.steps[i](*this)) << "step " << i << " of " << row.name << "\n" << output().toStdString();

    const QList<qulonglong> shown = x.visibleWindows();
    const Files reached = filesBelow(dataDir());
    QElapsedTimer took;
    took.start();
    ::kill(static_cast<pid_t>(program.processId()), signal);
    QList<qulonglong> opened;
    while (!program.waitForFinished(20) && took.elapsed() < kGoneMs)
        for (const qulonglong w : x.visibleWindows())
            if (!shown.contains(w) && !opened.contains(w))
                opened << w;
    const bool gone = program.state() == QProcess::NotRunning;
    EXPECT_TRUE(gone) << "still running after " << took.elapsed() << " ms";
    if (!gone) {
        program.kill();
        program.waitForFinished();
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(opened.isEmpty()) << opened.size() << " windows shown after the signal";
    EXPECT_EQ(joined(filesBelow(paths->temp)), QString());
    EXPECT_EQ(joined(filesBelow(runtimeDir())), QString());
    EXPECT_EQ(joined(filesBelow(dataDir()) - reached), QString());
    EXPECT_EQ(joined((filesBelow(dataDir()) - before).intersect({QStringLiteral("Protokoll.txt")})), QString());
    EXPECT_TRUE(ownProcesses().isEmpty());
    const QString out = output();
    EXPECT_FALSE(out.contains(QLatin1String("Sanitizer")) || out.contains(QLatin1String("runtime error:")))
        << out.toStdString();
    if (row.check)
        row.check(*this);
}

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

std::string rowName(const testing::TestParamInfo<std::tuple<Row, int>>& info)
{
    return std::get<0>(info.param).name + (std::get<1>(info.param) == SIGTERM ? "_SIGTERM" : "_SIGHUP");
}

INSTANTIATE_TEST_SUITE_P(Programs, TerminationTest,
                         testing::Combine(testing::ValuesIn(allRows()), testing::Values(SIGTERM, SIGHUP)),
                         rowName);

} // namespace
