// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/fuzz_run.h"

#include "tests/support/xserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fuzz {

namespace {

namespace fs = std::filesystem;

// A case's program that has not ended after this is sent SIGTERM anyway, and one that has not
// ended after the grace is killed: a case takes at most half a minute.
constexpr qint64 kCaseBudgetMs = 20000;
constexpr qint64 kEndGraceMs = 5000;
// What the program started may take to end after it.
constexpr qint64 kDrainMs = 3000;
// The program waits for the user: it has used no processor time for so long.
constexpr qint64 kSettledMs = 200;
constexpr qint64 kIdleMs = 300;
// A window that has not come by the time the program has waited for the user so long will not
// come (the program shows something else).
constexpr qint64 kGiveUpMs = 1500;
constexpr int kMaxActs = 3;

const char* const kFolders[] = {"program", "appdata", "temp", "runtime", "home", "start", "harness"};

// Every entry below `folder`, with paths relative to it.
QStringList entries(const QString& folder)
{
    QStringList found;
    for (const auto& [path, kind] : snapshot(fsPath(folder)))
        found << QString::fromStdString(path);
    return found;
}

QStringList fileLines(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    while (!file.atEnd() && lines.size() < count)
        lines << QString::fromLocal8Bit(file.readLine()).trimmed();
    return lines;
}

// The log folder an exercise takes from "/p=" as it reads it: the text between the switch's
// quote and the next one; a relative one lies in the program folder, its current folder.
QString logFolder(const QString& arguments, const QString& programFolder)
{
    const qsizetype from = arguments.indexOf(QLatin1String("/p=\""));
    if (from < 0)
        return {};
    const qsizetype to = arguments.indexOf(QLatin1Char('"'), from + 4);
    const QString folder = arguments.mid(from + 4, to < 0 ? -1 : to - from - 4);
    if (folder.isEmpty())
        return {};
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(folder) + QStringLiteral("/Protokoll_2"));
}

bool inside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

struct ProcessInfo {
    pid_t pid;
    QString commandLine;
};

// Processes of the case: in the program's process group, or started from its folders.
std::vector<ProcessInfo> caseProcesses(pid_t group, const QString& root)
{
    std::vector<ProcessInfo> found;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QString commandLine = QString::fromLocal8Bit(cmdline.readAll()).replace(QChar(0), QLatin1Char(' ')).trimmed();
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (::getpgid(pid) == group || inside(exe, root) || commandLine.contains(root))
            found.push_back({pid, commandLine});
    }
    return found;
}

} // namespace

Snapshot snapshot(const fs::path& folder)
{
    Snapshot entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0)
            continue;
        const char* kind = S_ISDIR(info.st_mode) ? "folder" : S_ISREG(info.st_mode) ? "file" : "other";
        entries[fs::relative(it->path(), folder).string()] =
            std::string(kind) + " " + std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "."
            + std::to_string(info.st_mtim.tv_nsec);
    }
    return entries;
}

QStringList differences(const Snapshot& before, const Snapshot& after)
{
    QStringList changed;
    for (const auto& [path, state] : after) {
        const auto old = before.find(path);
        if (old == before.end())
            changed << QStringLiteral("added ") + QString::fromStdString(path);
        else if (old->second != state)
            changed << QStringLiteral("changed ") + QString::fromStdString(path);
    }
    for (const auto& [path, state] : before)
        if (!after.count(path))
            changed << QStringLiteral("removed ") + QString::fromStdString(path);
    return changed;
}

void copyFolder(const QString& from, const QString& to)
{
    const fs::path source = fsPath(from);
    const fs::path target = fsPath(to);
    fs::create_directories(target);
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        const fs::path copy = target / fs::relative(entry.path(), source);
        if (entry.is_directory()) {
            fs::create_directories(copy);
            continue;
        }
        std::error_code error;
        if ((entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none) {
            fs::create_hard_link(entry.path(), copy, error);
            if (!error)
                continue;
        }
        fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
    }
}

FuzzRun::FuzzRun(const Case& c, const testing_support::PrivateXServer& x, const QString& base,
                 const QString& programFolder)
    : case_(c), x_(x), dir_(base + QStringLiteral("/case%1-XXXXXX").arg(c.number))
{
    root_ = dir_.path();
    for (const char* folder : kFolders)
        QDir().mkpath(root_ + QLatin1Char('/') + QLatin1String(folder));
    QFile::setPermissions(root_ + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folders_ = {root_ + QStringLiteral("/program"), root_ + QStringLiteral("/appdata/DA Ravezure/Tavoro"),
                root_ + QStringLiteral("/harness")};
    copyFolder(programFolder, folders_.program);
    damage_ = prepare(c, folders_);
    programBefore_ = snapshot(fsPath(folders_.program));
    // Linux takes no single argument above 128 KiB: a longer one is cut, 3 bytes a character at most.
    arguments_ = QString(c.commandLine).replace(QStringLiteral("{data}"), folders_.data).left(40000);
    start();
}

FuzzRun::~FuzzRun()
{
    if (phase_ != Phase::Done && pid_ > 0) {
        for (const ProcessInfo& process : caseProcesses(pid_, root_))
            ::kill(process.pid, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    // Qt does not remove names that are not UTF-8.
    std::error_code error;
    fs::remove_all(fsPath(root_), error);
}

QString FuzzRun::folderName() const
{
    return QFileInfo(root_).fileName();
}

void FuzzRun::start()
{
    QProcessEnvironment env = x_.environment();
    const auto folder = [&](const char* name) { return root_ + QLatin1Char('/') + QLatin1String(name); };
    env.insert("XDG_DATA_HOME", folder("appdata"));
    env.insert("TMPDIR", folder("temp"));
    env.insert("XDG_RUNTIME_DIR", folder("runtime"));
    env.insert("HOME", folder("home"));
    env.insert("XDG_CONFIG_HOME", folder("home") + "/.config");
    env.insert("XDG_CACHE_HOME", folder("home") + "/.cache");
    // No printer, whatever the machine has: a print goes to a PDF in the data folder.
    env.insert("CUPS_SERVER", folder("harness") + "/no-cups");
    // A sanitizer build's reports go to the harness, one file per process.
    for (const char* sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        const QString options = env.value(sanitizer);
        env.insert(sanitizer, (options.isEmpty() ? QString() : options + ":") + "log_path=" + folder("harness") + "/sanitizer");
    }
    std::vector<QByteArray> envStrings;
    for (const QString& entry : env.toStringList())
        envStrings.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const QByteArray exe = QFile::encodeName(folders_.program + QLatin1Char('/') + case_.program->executable);
    const QByteArray argument = arguments_.toLocal8Bit();
    std::vector<char*> argv{const_cast<char*>(exe.constData())};
    if (!argument.isEmpty())
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    const QByteArray errors = QFile::encodeName(folder("harness") + "/stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, QFile::encodeName(folder("start")).constData());
    // Its own process group: the logout's SIGTERM reaches what it starts too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    if (posix_spawn(&pid_, exe.constData(), &actions, &attributes, argv.data(), envp.data()) != 0)
        pid_ = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    clock_.start();
    if (pid_ <= 0) {
        fault(kNotStarted, QFile::decodeName(exe));
        phase_ = Phase::Done;
    }
}

bool FuzzRun::step()
{
    if (phase_ == Phase::Done)
        return true;
    if (phase_ != Phase::Draining) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_)
            ended(status);
    }
    look();
    switch (phase_) {
    case Phase::Steps: doSteps(); break;
    case Phase::Idle:
        if (quietFor() >= kIdleMs)
            terminate(true);
        break;
    case Phase::Terminating:
        if (!killed_ && clock_.elapsed() - sentAt_ > kEndGraceMs) {
            ::kill(-pid_, SIGKILL);
            killed_ = true;
        }
        break;
    case Phase::Draining:
        if (::kill(-pid_, 0) != 0 || clock_.elapsed() - endedAt_ > kDrainMs)
            finish();
        break;
    case Phase::Done: break;
    }
    if ((phase_ == Phase::Steps || phase_ == Phase::Idle) && clock_.elapsed() > kCaseBudgetMs)
        terminate(false);
    return phase_ == Phase::Done;
}

// Sleeping and using no processor time between two looks: waiting for the user.
void FuzzRun::look()
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid_));
    qint64 cpu = -1;
    bool sleeping = false;
    if (phase_ != Phase::Draining && stat.open(QIODevice::ReadOnly)) {
        const QByteArray content = stat.readAll();
        const QList<QByteArray> fields = content.mid(content.lastIndexOf(')') + 2).split(' ');
        if (fields.size() >= 13) {
            sleeping = fields[0] == "S";
            cpu = fields[11].toLongLong() + fields[12].toLongLong();
        }
    }
    if (!sleeping || cpu != lastCpu_)
        quietSince_ = clock_.elapsed();
    lastCpu_ = cpu;
}

// Acts on each step's window once the program waits for the user in it.
void FuzzRun::doSteps()
{
    const std::vector<Step>& steps = case_.steps();
    if (step_ >= steps.size()) {
        phase_ = Phase::Idle;
        return;
    }
    const Step& s = steps[step_];
    // Forms only: a message box of the same title is not the window the step means.
    const qulonglong window = x_.findWindow(s.window, testing_support::PrivateXServer::Kind::Normal);
    if (window == 0) {
        if (acts_ > 0 || quietFor() > kGiveUpMs)
            nextStep();
        return;
    }
    if (quietFor() < kSettledMs)
        return;
    if (acts_ >= kMaxActs) {
        nextStep();
        return;
    }
    for (const QPoint& click : s.clicks)
        x_.click(window, click);
    if (!s.keys.isEmpty())
        x_.key(window, s.keys);
    ++acts_;
    trace_ << s.window + QStringLiteral(" at %1 ms").arg(clock_.elapsed());
    quietSince_ = clock_.elapsed();
    if (s.staysOpen)
        nextStep();
}

void FuzzRun::nextStep()
{
    ++step_;
    acts_ = 0;
}

void FuzzRun::terminate(bool idle)
{
    ::kill(-pid_, SIGTERM);
    sentIdle_ = idle;
    sentAt_ = clock_.elapsed();
    trace_ << QStringLiteral("SIGTERM at %1 ms").arg(sentAt_);
    phase_ = Phase::Terminating;
}

void FuzzRun::ended(int status)
{
    const bool sent = phase_ == Phase::Terminating;
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (!(sent && signal == SIGTERM) && !(killed_ && signal == SIGKILL))
            fault(kCrash, QStringLiteral("signal %1; last output: %2")
                              .arg(signal)
                              .arg(fileLines(root_ + QStringLiteral("/harness/stderr"), 20).join(QStringLiteral(" | "))));
    }
    if (killed_)
        fault(kHang, sentIdle_ ? QStringLiteral("waiting for the user") : QStringLiteral("busy"));
    endedAt_ = clock_.elapsed();
    trace_ << QStringLiteral("ended at %1 ms").arg(endedAt_);
    phase_ = Phase::Draining;
    if (!sent)
        ::kill(-pid_, SIGTERM);
}

void FuzzRun::finish()
{
    checkProcesses();
    checkSanitizers();
    checkFolders();
    phase_ = Phase::Done;
}

void FuzzRun::checkProcesses()
{
    for (const ProcessInfo& process : caseProcesses(pid_, root_)) {
        fault(kLeftRunning, process.commandLine);
        ::kill(process.pid, SIGKILL);
    }
}

void FuzzRun::checkSanitizers()
{
    for (const QString& report : QDir(root_ + QStringLiteral("/harness")).entryList({QStringLiteral("sanitizer.*")}, QDir::Files))
        fault(kSanitizer, fileLines(root_ + QStringLiteral("/harness/") + report, 40).join(QLatin1Char('\n')));
}

// Where a program may write: its data folder (and those of the task manager's other packages
// beside it), the log folder its command line names, and the folders on the way to it.
bool FuzzRun::mayWrite(const QString& path) const
{
    if (inside(path, root_ + QStringLiteral("/appdata/DA Ravezure")))
        return true;
    const QString log = logFolder(arguments_, folders_.program);
    return !log.isEmpty() && (inside(path, log) || (QFileInfo(path).isDir() && inside(log, path)));
}

void FuzzRun::checkFolders()
{
    for (const QString& change : differences(programBefore_, snapshot(fsPath(folders_.program)))) {
        const QString path = folders_.program + QLatin1Char('/') + change.section(QLatin1Char(' '), 1);
        if (!mayWrite(path))
            fault(kOutside, QStringLiteral("program folder: ") + change);
    }
    const QStringList known(std::begin(kFolders), std::end(kFolders));
    for (const QString& entry : QDir(root_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (!known.contains(entry) && !mayWrite(root_ + QLatin1Char('/') + entry))
            fault(kOutside, QStringLiteral("beside the program folder: ") + entry);
    for (const char* folder : {"home", "start", "appdata"})
        for (const QString& entry : entries(root_ + QLatin1Char('/') + QLatin1String(folder)))
            if (!mayWrite(root_ + QLatin1Char('/') + QLatin1String(folder) + QLatin1Char('/') + entry))
                fault(kOutside, QLatin1String(folder) + QLatin1Char('/') + entry);
    for (const QString& entry : entries(root_ + QStringLiteral("/temp")))
        fault(kLeftBehind, QStringLiteral("temp/") + entry);
    for (const QString& entry : entries(root_ + QStringLiteral("/runtime")))
        if (!entry.endsWith(QLatin1String(".lock")))
            fault(kLeftBehind, QStringLiteral("runtime/") + entry);
    // A rewrite's temporary beside the file it was to replace.
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QString appData = root_ + QStringLiteral("/appdata/");
    for (const QString& entry : entries(appData))
        if (const QRegularExpressionMatch m = temporary.match(entry); m.hasMatch() && QFileInfo::exists(appData + m.captured(1)))
            fault(kLeftBehind, QStringLiteral("appdata/") + entry);
}

void FuzzRun::fault(const QString& kind, const QString& text)
{
    faults_.push_back({kind, case_.describe() + QStringLiteral(" (") + damage_ + QStringLiteral("; ") + trace()
                                 + QStringLiteral("): ") + text});
}

} // namespace fuzz
