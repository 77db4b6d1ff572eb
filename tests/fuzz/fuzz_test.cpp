// Damaged settings files, name lists, word lists and command lines fed to the real programs.
//
// HOW TO ADD A PROGRAM: add one row to `programs()` below: the executable's name in the
// program folder, the command lines it is started with (`{data}` stands for the case's data
// folder), and every file of the data folder it reads at start, each with a valid content
// that the cases damage (`exercise()` makes the row of an exercise that reads only the suite's
// options and the pupil's log). Add the executable to the foreach list in this folder's
// CMakeLists.txt. Nothing else: a fixed number of cases is spread over the rows, with a fixed
// seed, so the run time stays the same as rows are added.
//
// A case starts the real program on a fresh data folder in which one file (or the command
// line) is damaged, waits until the program sits idle (it has read its files and waits in a
// dialog, a message or its window), then sends SIGTERM, as a logout does. A crash is an end by
// any signal the harness did not send; a program that sat idle and does not end on SIGTERM is
// a fault too. The run time is bounded: a case gets a fixed time to become idle and to end, and
// no case starts once the run's time is used up (the rows take turns, so each gets its share).
//
// Word lists are read only once a teacher picks one in the word-list dialog, which no start
// reaches: the dialog itself gets the damaged lists, in this test program.
#include "ExerciseState.h"
#include "ListAuswahl.h"

#include "fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>

namespace {

struct FuzzFile {
    QString path;        // below the application-data folder
    QByteArray sample;   // a valid content
};

struct FuzzProgram {
    QString executable;
    QStringList commandLines;
    std::vector<FuzzFile> files;
};

const QString kData = QStringLiteral("DA Ravezure/Tavoro/");

QByteArray suiteOptions(const char* protSave)
{
    return QByteArray("-1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n") + protSave + "\r\n";
}

QByteArray sourceFile(const QString& name)
{
    QFile file(QStringLiteral(TAVORO_SOURCE_DIR "/assets/defaults/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An exercise that reads nothing at start but the suite's options and the pupil's log.
FuzzProgram exercise(const QString& executable, const QString& logTitle)
{
    return {executable,
            {"Q /p=\"{data}\" /n=\"Max\"", "Q05A", ""},
            {{kData + "options4.ini", suiteOptions(" 1 ")},
             {kData + "Protokoll_2/Max.txt", ("Programm " + logTitle + ":\r\n").toLatin1()}}};
}

const std::vector<FuzzProgram>& programs()
{
    static const std::vector<FuzzProgram> table{
        {"startomo",
         {"", "/n=\"Max\""},
         {{kData + "options4.ini", suiteOptions(" 1 ")},
          {kData + "options4.bak", suiteOptions(" 1 ")},
          {kData + "Protokoll_2/Namen.ini", "Max\r\nAnna\r\nunbekannt\r\n"}}},
        {"tastomat",
         {"Q /p=\"{data}\" /n=\"Max\"", "Q05A", ""},
         {{kData + "options4.ini", suiteOptions(" 1 ")},
          {kData + "options2.ini", " 2 \r\n"},
          {kData + "Protokoll_2/Max.txt", "Programm Tastomat:\r\n"}}},
        exercise("Fugolin", "Fugolin"),
        exercise("plattix", "Plattix"),
        exercise("lesolum", "Lesolum"),
        {"Kritzlon",
         {"Q /p=\"{data}\" /n=\"Max\"", "Q03A", ""},
         {{kData + "options4.ini", suiteOptions(" 1 ")}, {kData + "options3.ini", " 1 \r\n"}}},
        exercise("bogenblick", "Bogenblick"),
        exercise("rateflor", "Rateflor"),
        exercise("baudrom", "Baudrom (Buchstaben)"),
        exercise("baudromsilben", "Baudrom (Silben)"),
        {"Pensumo",
         {""},
         {{"DA Ravezure/Tavoro/manager.ini", sourceFile("manager.ini")},
          {kData + "options4.ini", suiteOptions(" 1 ")},
          {kData + "Protokoll/Namen.ini", "Max\r\nAnna\r\n"}}},
    };
    return table;
}

constexpr int kCases = 300;
constexpr int kParallel = 4;
constexpr unsigned kSeed = 20261210;
// A program not idle by then is sent SIGTERM anyway; one that has not ended after the grace is
// killed.
constexpr qint64 kIdleBudgetMs = 5000;
constexpr qint64 kEndGraceMs = 5000;
// No case starts later: with the budgets above the whole run stays under a minute.
constexpr qint64 kRunBudgetMs = 40000;

QByteArray randomBytes(std::mt19937& rng, int count)
{
    static const QByteArray special("\0\r\n,\" -+.\xff\xe4\xdf\x80", 14);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += rng() % 3 == 0 ? special[static_cast<int>(rng() % special.size())]
                                : static_cast<char>(rng() % 256);
    return bytes;
}

// One damage of a valid content, chosen by the generator.
QByteArray mutate(QByteArray bytes, std::mt19937& rng)
{
    auto pos = [&] { return static_cast<qsizetype>(rng() % (bytes.size() + 1)); };
    static const char* const extremes[] = {"99999999999999999999", "-32769", "32768", "1e308", "-", "\"",
                                           "\"open", "0x10", "  ", ",,,,", "NaN"};
    QList<QByteArray> lines = bytes.split('\n');
    switch (rng() % 9) {
    case 0: return {};
    case 1: return bytes.left(pos());
    case 2:
        for (int i = 1 + static_cast<int>(rng() % 8); i > 0 && !bytes.isEmpty(); --i)
            bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        return bytes;
    case 3: return bytes.insert(pos(), randomBytes(rng, 1 + static_cast<int>(rng() % 16)));
    case 4:
        lines[rng() % lines.size()] = QByteArray(extremes[rng() % std::size(extremes)]) + "\r";
        return lines.join('\n');
    case 5: return bytes.repeated(200 + static_cast<int>(rng() % 2000));
    case 6: return bytes.insert(pos(), QByteArray(100000, 'W'));
    case 7: return randomBytes(rng, static_cast<int>(rng() % 512));
    default: return bytes.replace("\r\n", rng() % 2 ? "\r" : "\n");
    }
}

struct Case {
    int number;
    const FuzzProgram* program;
    QString commandLine;
    QString damagedFile;      // empty when the command line is the damaged part
    QByteArray content;
    bool folderInstead = false;   // the file's name is taken by a folder
    QString describe() const
    {
        return QStringLiteral("case %1: %2 \"%3\" %4 (%5 bytes%6)")
            .arg(number)
            .arg(program->executable, commandLine, damagedFile.isEmpty() ? QStringLiteral("command line") : damagedFile)
            .arg(content.size())
            .arg(folderInstead ? QStringLiteral(", a folder") : QString());
    }
};

std::vector<Case> makeCases()
{
    std::mt19937 rng(kSeed);
    std::vector<Case> cases;
    const auto& table = programs();
    for (int n = 0; n < kCases; ++n) {
        Case c{n, &table[static_cast<std::size_t>(n) % table.size()], {}, {}, {}};
        const FuzzProgram& p = *c.program;
        c.commandLine = p.commandLines[static_cast<int>(rng() % p.commandLines.size())];
        const std::size_t pick = rng() % (p.files.size() + 1);
        if (pick == p.files.size()) {
            c.commandLine = QString::fromUtf8(mutate(c.commandLine.toUtf8(), rng).replace('\0', ' '));
        } else {
            c.damagedFile = p.files[pick].path;
            c.content = mutate(p.files[pick].sample, rng);
            c.folderInstead = rng() % 40 == 0;
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

// A program on its own data and temp folders, started from a folder that is not the program
// folder.
class FuzzRun {
public:
    explicit FuzzRun(const Case& c) : case_(c)
    {
        const QString appData = dir_.path() + "/appdata";
        for (const FuzzFile& f : c.program->files) {
            const QString path = appData + "/" + f.path;
            QDir().mkpath(QFileInfo(path).absolutePath());
            if (f.path == c.damagedFile && c.folderInstead) {
                QDir().mkpath(path);
                continue;
            }
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(f.path == c.damagedFile ? c.content : f.sample);
        }
        QDir().mkpath(dir_.path() + "/temp");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", appData);
        env.insert("TMPDIR", dir_.path() + "/temp");
        start(env, QString(c.commandLine).replace("{data}", appData + "/" + kData.chopped(1)));
    }

    // Done once the program has ended.
    bool step()
    {
        if (!started())
            return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            crashed_ = WIFSIGNALED(status) && !(sent_ && WTERMSIG(status) == SIGTERM)
                       && !(killed_ && WTERMSIG(status) == SIGKILL);
            signal_ = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            return true;
        }
        if (!sent_) {
            sentIdle_ = idle();
            if (sentIdle_ || clock_.elapsed() > kIdleBudgetMs) {
                ::kill(pid_, SIGTERM);
                sent_ = true;
                sentAt_ = clock_.elapsed();
            }
        } else if (!killed_ && clock_.elapsed() - sentAt_ > kEndGraceMs) {
            ::kill(pid_, SIGKILL);
            killed_ = true;
        }
        return false;
    }

    // A program missing from the program folder is not tested: that is a fault of the table.
    bool started() const { return pid_ > 0; }
    bool crashed() const { return crashed_; }
    // Sat idle, was sent SIGTERM and did not end on it.
    bool hung() const { return killed_ && sentIdle_; }
    QString describe() const { return case_.describe(); }
    int signal() const { return signal_; }

private:
    void start(const QProcessEnvironment& env, const QString& arguments)
    {
        const QByteArray exe = QFile::encodeName(QStringLiteral(TAVORO_SUITE_DIR "/") + case_.program->executable);
        const QByteArray argument = arguments.toLocal8Bit();
        std::vector<QByteArray> envStrings;
        for (const QString& entry : env.toStringList())
            envStrings.push_back(entry.toLocal8Bit());
        std::vector<char*> envp;
        for (QByteArray& e : envStrings)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::vector<char*> argv{const_cast<char*>(exe.constData())};
        if (!argument.isEmpty())
            argv.push_back(const_cast<char*>(argument.constData()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addchdir_np(&actions, QFile::encodeName(dir_.path()).constData());
        if (posix_spawn(&pid_, exe.constData(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        clock_.start();
    }

    // Sleeping and using no processor time between two looks: waiting for the user.
    bool idle()
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid_));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return false;
        const qint64 cpu = fields[11].toLongLong() + fields[12].toLongLong();
        const bool still = fields[0] == "S" && cpu == lastCpu_;
        lastCpu_ = cpu;
        quietLooks_ = still ? quietLooks_ + 1 : 0;
        return clock_.elapsed() > 200 && quietLooks_ >= 3;
    }

    const Case& case_;
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    QElapsedTimer clock_;
    qint64 lastCpu_ = -1;
    int quietLooks_ = 0;
    bool sent_ = false;
    bool sentIdle_ = false;
    qint64 sentAt_ = 0;
    bool killed_ = false;
    bool crashed_ = false;
    int signal_ = 0;
};

TEST(Fuzz, DamagedFilesAndCommandLinesCrashNoProgram)
{
    const std::vector<Case> cases = makeCases();
    std::vector<std::unique_ptr<FuzzRun>> running;
    std::size_t next = 0;
    QStringList crashes;
    QStringList hangs;
    QStringList missing;
    QElapsedTimer run;
    run.start();
    const auto mayStart = [&] { return next < cases.size() && run.elapsed() < kRunBudgetMs; };
    while (mayStart() || !running.empty()) {
        while (running.size() < kParallel && mayStart())
            running.push_back(std::make_unique<FuzzRun>(cases[next++]));
        QThread::msleep(30);
        for (auto it = running.begin(); it != running.end();) {
            if (!(*it)->step()) {
                ++it;
                continue;
            }
            if ((*it)->crashed())
                crashes << QStringLiteral("signal %1 in ").arg((*it)->signal()) + (*it)->describe();
            if ((*it)->hung())
                hangs << (*it)->describe();
            if (!(*it)->started())
                missing << (*it)->describe();
            it = running.erase(it);
        }
    }
    std::printf("%zu of %d cases run in %lld ms\n", next, kCases, static_cast<long long>(run.elapsed()));
    EXPECT_TRUE(crashes.isEmpty()) << crashes.join('\n').toStdString();
    EXPECT_TRUE(hangs.isEmpty()) << "no end on SIGTERM:\n" << hangs.join('\n').toStdString();
    EXPECT_TRUE(missing.isEmpty()) << "not started:\n" << missing.join('\n').toStdString();
}

class WordListFuzz : public testing_support::SuiteTest {};

TEST_F(WordListFuzz, DamagedWordListsReadAsAtMostAHundredWords)
{
    std::mt19937 rng(kSeed);
    ExerciseState state;
    state.DataDir = dataDir();
    state.ListSource = 1;
    const QByteArray sample = "Hund\r\nKat-ze\r\n  Maus \r\nK\xe4se\r\n";
    for (int n = 0; n < 100; ++n) {
        writeBytes(dataDir() + "/Listen/Liste", mutate(sample, rng));
        state.Liste.clear();
        ListAuswahl dialog(state);
        testing_support::whenShown("ListAuswahl", [&](platform::Form&) {
            const QRect place = dialog.Datei->visualItemRect(dialog.Datei->item(0));
            QTest::mouseClick(dialog.Datei->viewport(), Qt::LeftButton, {}, place.center());
            if (dialog.loaded())   // a list without words: back with "Zurück"
                QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        });
        dialog.showModal();
        EXPECT_LE(state.ListCount, 100) << n;
        EXPECT_EQ(state.ListCount, state.Liste.size()) << n;
        EXPECT_FALSE(state.Liste.contains(QString())) << n;
    }
}

} // namespace
