// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suite as `cmake --install` leaves it: installed by an admin with a strict umask into a
// staged prefix (DESTDIR) whose path holds a blank and a per cent sign, moved to its final place
// as a package would be, then used as a pupil uses it: from the desktop entries, without PATH,
// as another user than the one who installed it.
#include "tests/support/xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

// Ends every program of the install still running when the test ends, also after a failure.
class ProgramsOfTheInstall {
public:
    explicit ProgramsOfTheInstall(QString folder) : folder_(std::move(folder)) {}
    ~ProgramsOfTheInstall()
    {
        for (const int pid : running())
            ::kill(pid, SIGKILL);
    }
    QList<int> running() const
    {
        QList<int> found;
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
            if (QFileInfo("/proc/" + pid + "/exe").symLinkTarget().startsWith(folder_ + "/"))
                found << pid.toInt();
        return found;
    }

private:
    QString folder_;
};

const QStringList kPrograms{"startomo", "Pensumo", "tastomat", "Fugolin", "plattix", "Kritzlon",
                            "baudrom", "baudromsilben", "bogenblick", "lesolum", "rateflor"};

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = std::make_unique<QTemporaryDir>();
        // Another user reaches the install and a home below the test's folder.
        QFile::setPermissions(root_->path(), QFile::permissions(root_->path()) | QFileDevice::ReadOther
                                                 | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                                 | QFileDevice::ExeGroup);
        const QString stage = root_->path() + "/stage";
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", stage);
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.setChildProcessModifier([] { ::umask(077); });
        install.start(QStringLiteral(CMAKE_COMMAND), {"--install", TAVORO_BUILD_DIR, "--prefix", prefix()});
        installed_ = install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit
                     && install.exitCode() == 0;
        // The package's files reach their final place.
        installed_ = installed_ && QDir().mkpath(QFileInfo(prefix()).path())
                     && QDir().rename(stage + prefix(), prefix());
    }
    static void TearDownTestSuite() { root_.reset(); }

    void SetUp() override { ASSERT_TRUE(installed_) << "cmake --install failed"; }

    static QString prefix() { return root_->path() + "/Schule 100%/usr"; }
    static QString programFolder() { return prefix() + "/" TAVORO_INSTALL_PROGRAMDIR; }
    static QString binFolder() { return prefix() + "/" TAVORO_INSTALL_BINDIR; }
    static QString applicationsFolder() { return prefix() + "/" TAVORO_INSTALL_DATADIR "/applications"; }

    // The arguments of a desktop entry's Exec line, quoting and escapes undone.
    static QStringList execArguments(const QString& entry)
    {
        QString line;
        for (const QString& l : platform::readTextFile(entry, true).lines)
            if (l.startsWith("Exec="))
                line = l.mid(5);
        line.replace("\\\\", "\\");
        QStringList arguments;
        QString current;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted && c == '\\' && i + 1 < line.size())
                current += line[++i];
            else if (c == '"')
                quoted = !quoted;
            else if (c == ' ' && !quoted) {
                arguments << current;
                current.clear();
            } else if (c == '%' && i + 1 < line.size() && line[i + 1] == '%')
                current += line[++i];
            else
                current += c;
        }
        return arguments << current;
    }

    // A home of the pupil's own; the environment names only it and the session's language.
    static QProcessEnvironment pupilEnvironment(const QString& home, const QProcessEnvironment& display)
    {
        for (const char* folder : {"/.local/share", "/tmp", "/run"})
            QDir().mkpath(home + folder);
        QFile::setPermissions(home + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment env;
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM"})
            if (display.contains(name))
                env.insert(name, display.value(name));
        env.insert("LANG", "C.UTF-8");
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("TMPDIR", home + "/tmp");
        env.insert("XDG_RUNTIME_DIR", home + "/run");
        env.insert("CUPS_SERVER", home + "/no-cups");
        return env;
    }

    // The pupil the programs run as; false (the test skips) where the test cannot switch user.
    static bool pupil(uid_t& uid, gid_t& gid)
    {
        const passwd* entry = ::getpwnam("nobody");
        if (::geteuid() != 0 || !entry)
            return false;
        uid = entry->pw_uid;
        gid = entry->pw_gid;
        return true;
    }
    static void chownTree(const QString& folder, uid_t uid, gid_t gid)
    {
        for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            ASSERT_EQ(::chown(QFile::encodeName(it.next()).constData(), uid, gid), 0);
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), uid, gid), 0);
    }
    // Starts `path` as the pupil from `/`, its output the test's.
    static void startAsPupil(QProcess& process, const QString& path, const QStringList& arguments,
                             const QProcessEnvironment& env, uid_t uid, gid_t gid)
    {
        process.setProcessEnvironment(env);
        process.setWorkingDirectory("/");
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.setChildProcessModifier([uid, gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        });
        process.start(path, arguments);
    }

    static std::unique_ptr<QTemporaryDir> root_;
    static bool installed_;
};

std::unique_ptr<QTemporaryDir> InstallTest::root_;
bool InstallTest::installed_ = false;

TEST_F(InstallTest, EveryFileIsReadableByAllAndEveryProgramStartableByAll)
{
    int files = 0;
    QDirIterator it(prefix(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
        if (S_ISLNK(st.st_mode))
            continue;
        const mode_t wanted = S_ISDIR(st.st_mode) ? 0555 : 0444;
        EXPECT_EQ(st.st_mode & wanted, wanted) << path.toStdString();
        files += S_ISREG(st.st_mode) ? 1 : 0;
    }
    EXPECT_GT(files, 200);
    for (const char* table : {"Tabelle.gif", "TabelleGr.gif", "Tabelle2.gif", "Tabelle2Gr.gif"})
        EXPECT_TRUE(QFileInfo(programFolder() + "/" + table).permissions() & QFileDevice::ReadOther) << table;
    for (const QString& program : kPrograms)
        EXPECT_TRUE(QFileInfo(programFolder() + "/" + program).permissions() & QFileDevice::ExeOther)
            << program.toStdString();
    for (const QString link : {"startomo", "Pensumo"})
        EXPECT_EQ(QFileInfo(binFolder() + "/" + link).canonicalFilePath(), programFolder() + "/" + link);
}

// A menu starts a desktop entry without a shell and, in a bare session, without <prefix>/bin on
// the PATH: the Exec line alone must find the program, at the final prefix.
TEST_F(InstallTest, TheDesktopEntriesStartTheProgramsWithoutAPath)
{
    struct Row {
        const char* entry;
        const char* program;
        const char* startedFile;   // what the program's start writes into its data folder
    };
    for (const Row& row : {Row{"tavoro-startomo.desktop", "startomo", "options4.ini"},
                           Row{"tavoro-pensumo.desktop", "Pensumo", "manager.ini"}}) {
        const QStringList exec = execArguments(applicationsFolder() + "/" + row.entry);
        ASSERT_EQ(exec, QStringList{binFolder() + "/" + row.program}) << row.entry;
        const QString home = root_->path() + "/home-" + row.program;
        QProcessEnvironment offscreen;
        offscreen.insert("QT_QPA_PLATFORM", "offscreen");
        const QProcessEnvironment env = pupilEnvironment(home, offscreen);
        ASSERT_FALSE(env.contains("PATH"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory("/");
        program.start(exec.first(), exec.mid(1));
        ASSERT_TRUE(program.waitForStarted(10000)) << row.entry;
        const QString started = home + "/.local/share/DA Ravezure/Tavoro/" + row.startedFile;
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, 20000)) << row.entry;
        EXPECT_EQ(program.state(), QProcess::Running) << row.entry;
        program.kill();
        program.waitForFinished();
    }
}

// A desktop finds the menu entry of a window by its window class: each entry's StartupWMClass is
// the class of the windows its program shows on X.
TEST_F(InstallTest, TheDesktopEntriesNameTheirProgramsWindowClass)
{
    struct Row {
        const char* entry;
        const char* firstWindow;   // the title of the first window the program shows
    };
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    for (const Row& row :
         {Row{"tavoro-startomo.desktop", "QL Ornifant"}, Row{"tavoro-pensumo.desktop", "QL Pensumo"}}) {
        const QString entry = applicationsFolder() + "/" + row.entry;
        const QStringList wmClass =
            platform::readTextFile(entry, true).lines.filter(QRegularExpression("^StartupWMClass="));
        ASSERT_EQ(wmClass.size(), 1) << row.entry;
        const QStringList exec = execArguments(entry);
        QProcess program;
        program.setProcessEnvironment(pupilEnvironment(root_->path() + "/home-class-" + row.entry, x.environment()));
        program.setWorkingDirectory("/");
        program.start(exec.first(), exec.mid(1));
        const qulonglong window = x.waitForWindow(row.firstWindow);
        ASSERT_NE(window, 0u) << row.entry;
        EXPECT_EQ(("StartupWMClass=" + x.windowClass(window)).toStdString(), wmClass.first().toStdString())
            << row.entry;
        program.kill();
        program.waitForFinished();
    }
}

// Software centres list the suite from its AppStream file: it passes the validator, names the
// installed desktop entries, and its newest release is this version.
TEST_F(InstallTest, TheAppStreamFileIsValidAndNamesTheEntriesAndThisRelease)
{
    const QString metainfo = prefix() + "/" TAVORO_INSTALL_DATADIR "/metainfo/de.ravezure.tavoro.metainfo.xml";
    ASSERT_TRUE(QFileInfo(metainfo).isFile());
    QProcess validate;
    validate.setProcessChannelMode(QProcess::ForwardedChannels);
    validate.start("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo});
    ASSERT_TRUE(validate.waitForFinished(60000));
    EXPECT_EQ(validate.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(validate.exitCode(), 0);

    QFile file(metainfo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList launchables;
    QStringList releases;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"launchable")
            launchables << xml.readElementText();
        else if (xml.name() == u"release")
            releases << xml.attributes().value("version").toString();
    }
    EXPECT_EQ(launchables.join(' ').toStdString(), "tavoro-startomo.desktop tavoro-pensumo.desktop");
    for (const QString& entry : launchables)
        EXPECT_TRUE(QFileInfo(applicationsFolder() + "/" + entry).isFile()) << entry.toStdString();
    ASSERT_FALSE(releases.isEmpty());
    EXPECT_EQ(releases.first().toStdString(), TAVORO_VERSION);
}

// A pupil, not the admin who installed the suite, starts it from its menu entry, enters the name,
// starts the typewriter, prints the initial-sound table, works a whole block and ends: back in
// the launcher, the block is in the pupil's log.
TEST_F(InstallTest, APupilPrintsTheTableAndWorksABlockAsAnotherUser)
{
    uid_t uid = 0;
    gid_t gid = 0;
    if (!pupil(uid, gid))
        GTEST_SKIP() << "running the programs as another user needs root and the user nobody";
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    const QString home = root_->path() + "/home-pupil";
    const QProcessEnvironment env = pupilEnvironment(home, x.environment());
    // The teacher has let a wrong word be passed with "Weiter"; everything else as installed.
    const QString data = home + "/.local/share/DA Ravezure/Tavoro";
    QStringList options = platform::readTextFile(programFolder() + "/options4.ini").lines;
    ASSERT_EQ(options.size(), 11);
    ASSERT_TRUE(QDir().mkpath(data));
    options[6] = platform::formatNumber(-1);
    ASSERT_FALSE(platform::writeTextFile(data + "/options4.ini", options).failed());
    ASSERT_TRUE(QFile::copy(programFolder() + "/options4.ini", data + "/options4.bak"));
    chownTree(home, uid, gid);
    const ProgramsOfTheInstall cleanup{programFolder()};

    const QStringList exec = execArguments(applicationsFolder() + "/tavoro-startomo.desktop");
    QProcess startomo;
    startAsPupil(startomo, exec.first(), exec.mid(1), env, uid, gid);

    const qulonglong names = x.waitForWindow("QL Ornifant");
    ASSERT_NE(names, 0u);
    x.key(names, {"M", "a", "x", "Return"});
    const QString launcherTitle = "QL Tavoro ;   <F6> für Lehrermenü";
    const qulonglong launcher = x.waitForWindow(launcherTitle);
    ASSERT_NE(launcher, 0u);
    x.click(launcher, twipsCentre(2400, 960, 2055, 1455));   // "Tastomat"
    const qulonglong level = x.waitForWindow("QL Tastomat");
    ASSERT_NE(level, 0u);
    x.click(level, twipsCentre(360, 1125, 5775, 675));   // "kurze Wörter"
    const qulonglong window = x.waitForWindow("QL Tastomat ;   <F6> für Lehrermenü");
    ASSERT_NE(window, 0u);

    // Teacher menu, "Anlauttabelle drucken", "OK": no printer, so a PDF with the table in it.
    x.key(window, {"F6", "alt+m"});
    ASSERT_NE(x.waitForMenu(), 0u);
    x.key(0, {"a", "Return"});
    const qulonglong print = x.waitForWindow("Drucken");
    ASSERT_NE(print, 0u);
    x.click(print, twipsCentre(360, 3480, 1935, 375));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QFileInfoList pdfs = QDir(data + "/Ausdrucke").entryInfoList({"*.pdf"}, QDir::Files);
        return pdfs.size() == 1 && pdfs.first().size() > 10000;
    }, 20000));
    const qulonglong saved = x.waitForWindow("QL Tastomat");
    ASSERT_NE(saved, 0u);
    x.key(saved, {"Return"});
    x.key(window, {"F6"});

    // Ten words passed with "Weiter", each logged; the block result after the tenth.
    const auto logLines = [&] { return platform::readTextFile(data + "/Protokoll_2/Max.txt").lines; };
    for (int word = 1; word <= 10; ++word) {
        x.click(window, twipsCentre(2160, 5160, 2400, 840));
        ASSERT_TRUE(QTest::qWaitFor([&] { return logLines().filter("Die Aufgabe").size() == word; }, 10000))
            << word;
    }
    const qulonglong result = x.waitForWindow("Protokoll");
    ASSERT_NE(result, 0u);
    x.click(result, twipsCentre(3360, 5700, 2175, 735));   // "Weiter"
    x.click(window, twipsCentre(7560, 5280, 1800, 660));   // "Ende"
    EXPECT_TRUE(QTest::qWaitFor([&] { return logLines().contains("Von 10 Aufgaben wurden 0 richtig gelöst."); },
                                10000));
    // The launcher the typewriter started, again as the pupil.
    EXPECT_NE(x.waitForWindow(launcherTitle), 0u);
    const QList<int> running = cleanup.running();
    EXPECT_EQ(running.size(), 1);
    for (const int pid : running)
        EXPECT_EQ(QFileInfo(QString("/proc/%1").arg(pid)).ownerId(), uid);
}

// A locked-down profile: the application-data folder not the pupil's to write (nothing in it yet),
// or the data folder as a first start of the launcher left it, made read-only. Each program says
// what it cannot do (the texts are checked where the programs are tested) and then either ends
// by itself or goes on; none crashes or hangs.
TEST_F(InstallTest, EveryProgramMeetsReadOnlyDataFoldersWithAMessage)
{
    uid_t uid = 0;
    gid_t gid = 0;
    if (!pupil(uid, gid))
        GTEST_SKIP() << "a folder is read-only only for another user than root; switching needs root";
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    const ProgramsOfTheInstall cleanup{programFolder()};
    struct Row {
        QString program;
        int answered;     // windows answered with Return in the read-only data folder
        bool goesOn;      // there, still running with a window of its own after them
    };
    // The launcher asks for the name first; the typewriter and free writing cannot make their
    // settings file and the task manager its name folder, so they end; the other exercises work
    // without the pupil's log.
    const std::vector<Row> rows{{"startomo", 2, false}, {"Pensumo", 1, false}, {"tastomat", 1, false},
                                {"Kritzlon", 1, false}, {"Fugolin", 1, true},   {"plattix", 1, true},
                                {"baudrom", 1, true},   {"baudromsilben", 1, true}, {"bogenblick", 1, true},
                                {"lesolum", 1, true},   {"rateflor", 1, true}};
    const auto windowsOf = [&x](qint64 pid) {
        QList<qulonglong> own;
        for (const qulonglong window : x.visibleWindows())
            if (x.processOf(window) == pid)
                own << window;
        return own;
    };
    for (const bool populated : {false, true})
        for (const Row& row : rows) {
            const QString home = root_->path() + (populated ? "/read-only-data-" : "/read-only-appdata-") + row.program;
            const QProcessEnvironment env = pupilEnvironment(home, x.environment());
            const QString data = env.value("XDG_DATA_HOME") + "/DA Ravezure/Tavoro";
            if (populated) {
                ASSERT_TRUE(QDir().mkpath(data + "/Protokoll_2"));
                for (const char* file : {"/options4.ini", "/options4.bak"})
                    ASSERT_TRUE(QFile::copy(programFolder() + "/options4.ini", data + file));
                ASSERT_TRUE(QFile::copy(programFolder() + "/Protokoll_2/Namen.ini", data + "/Protokoll_2/Namen.ini"));
            }
            chownTree(home, uid, gid);
            // Read-only: the application-data folder, or the data folder and all in it.
            for (QDirIterator it(populated ? env.value("XDG_DATA_HOME") : home + "/.local",
                                 QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
                 it.hasNext();) {
                const QString path = it.next();
                QFile::setPermissions(path, QFile::permissions(path) & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser));
            }
            const QStringList arguments = row.program == "startomo" || row.program == "Pensumo"
                                              ? QStringList()
                                              : QStringList{QString("Q /p=\"%1\" /n=\"Max\"").arg(data)};
            QProcess process;
            startAsPupil(process, programFolder() + "/" + row.program, arguments, env, uid, gid);
            const std::string name = row.program.toStdString() + (populated ? " in a read-only data folder"
                                                                            : " without its data folder");
            ASSERT_TRUE(process.waitForStarted(10000)) << name;
            QList<qulonglong> answered;
            for (int n = 0; n < (populated ? row.answered : 1); ++n) {
                qulonglong window = 0;
                ASSERT_TRUE(QTest::qWaitFor([&] {
                    for (const qulonglong w : windowsOf(process.processId()))
                        if (!answered.contains(w))
                            window = w;
                    return window != 0;
                }, 30000)) << name << ": window " << n + 1;
                x.key(window, {"Return"});
                answered << window;
            }
            if (populated && row.goesOn) {
                EXPECT_TRUE(QTest::qWaitFor([&] {
                    const QList<qulonglong> own = windowsOf(process.processId());
                    return std::any_of(own.begin(), own.end(), [&](qulonglong w) { return !answered.contains(w); });
                }, 20000)) << name;
                EXPECT_EQ(process.state(), QProcess::Running) << name;
                process.kill();
                process.waitForFinished();
                continue;
            }
            ASSERT_TRUE(process.waitForFinished(20000)) << name;
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << name;
            EXPECT_EQ(process.exitCode(), 0) << name;
        }
}

} // namespace
