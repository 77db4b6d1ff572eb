// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/form.h"
#include "platform/forms/menubar.h"
#include "platform/forms/twips.h"
#include "platform/help_window.h"
#include "platform/qt_printer.h"
#include "platform/real_services.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <deque>
#include <map>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace testing_support {

namespace {

struct PendingAction {
    QString formName;
    std::function<void(platform::Form&)> action;
};

std::deque<PendingAction>& pendingActions()
{
    static std::deque<PendingAction> actions;
    return actions;
}

void onFormShown(platform::Form& form)
{
    auto& actions = pendingActions();
    for (auto it = actions.begin(); it != actions.end(); ++it) {
        if (it->formName != form.objectName())
            continue;
        auto action = std::move(it->action);
        actions.erase(it);
        platform::Form* target = &form;
        // Queued, so it runs inside the form's own modal loop, as a person would act.
        QTimer::singleShot(0, target, [target, action = std::move(action)] {
            platform::runHandler([&] { action(*target); });
        });
        return;
    }
}

// The parent of a running process; 0 when it has ended.
int parentOf(int pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) state parent ...", where the name may hold blanks and parentheses.
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toInt();
}

} // namespace

std::vector<std::pair<int, QStringList>> processesOf(const QString& program)
{
    // Each process's parent and argument vector, by its id.
    std::map<int, std::pair<int, QStringList>> named;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        const QString folder = QStringLiteral("/proc/") + entry;
        QFile cmdline(folder + QStringLiteral("/cmdline"));
        if (!isPid || !cmdline.open(QIODevice::ReadOnly))
            continue;
        const QStringList argv = QString::fromLocal8Bit(cmdline.readAll()).split(QChar(0), Qt::SkipEmptyParts);
        // Midway through its exec a process already names the new program but has no arguments
        // yet: it is taken at a later look.
        if (argv.isEmpty())
            continue;
        // The program itself, or a script run by its interpreter.
        if (QFileInfo(folder + QStringLiteral("/exe")).symLinkTarget() == program || argv.mid(0, 2).contains(program))
            named[pid] = {parentOf(pid), argv};
    }
    // A copy's fork that has not yet started another program (Qt forks for its D-Bus start)
    // shows the copy's name and arguments: it is no copy of its own.
    std::vector<std::pair<int, QStringList>> copies;
    for (const auto& [pid, entry] : named)
        if (!named.count(entry.first))
            copies.emplace_back(pid, entry.second);
    return copies;
}

void whenShown(const QString& formName, std::function<void(platform::Form&)> action)
{
    pendingActions().push_back({formName, std::move(action)});
}

void clearWhenShown()
{
    pendingActions().clear();
}

SuiteTest::SuiteTest()
{
    platform::Services& s = platform::services();
    auto p = std::make_unique<FakePaths>();
    p->program = root.path() + QStringLiteral("/program");
    p->appData = root.path() + QStringLiteral("/appdata");
    p->temp = root.path() + QStringLiteral("/temp");
    for (const QString& dir : {p->program, p->appData, p->temp})
        QDir().mkpath(dir);
    paths = p.get();
    s.paths = std::move(p);
    auto pr = std::make_unique<FakeProcesses>();
    processes = pr.get();
    s.processes = std::move(pr);
    auto c = std::make_unique<FakeClock>();
    clock = c.get();
    s.clock = std::move(c);
    auto m = std::make_unique<FakeMessageBoxes>();
    messages = m.get();
    s.messages = std::move(m);
    auto h = std::make_unique<FakeHelpViewer>();
    help = h.get();
    s.help = std::move(h);
    auto d = std::make_unique<FakeDisplay>();
    display = d.get();
    s.display = std::move(d);
    auto fakePrinter = std::make_unique<FakePrinter>();
    printer = fakePrinter.get();
    s.printer = std::move(fakePrinter);
    platform::resetProgramEnded();
    platform::setLayoutScale(1.0);
    platform::setFormShownHook(onFormShown);
    clearWhenShown();
}

SuiteTest::~SuiteTest()
{
    clearWhenShown();
    platform::setFormShownHook({});
    platform::resetProgramEnded();
    // A test that entered its program folder must not leave the next one in a removed folder.
    QDir::setCurrent(startFolder_);
    qputenv("XDG_DATA_HOME", startDataHome_);
}

QString SuiteTest::dataDir() const
{
    return appDataDir() + QStringLiteral("/DA Ravezure/Tavoro");
}

void SuiteTest::writeFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += platform::encodeWindows1252(line) + "\r\n";
    writeBytes(path, bytes);
}

void SuiteTest::writeOptionFiles(const QStringList& lines) const
{
    for (const QString& file : {programDir() + QStringLiteral("/options4.ini"), dataDir() + QStringLiteral("/options4.ini"),
                                dataDir() + QStringLiteral("/options4.bak")})
        writeFile(file, lines);
}

void SuiteTest::writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QString SuiteTest::writeSaveLeftover(const QString& file)
{
    const QString path = file + QStringLiteral(".Xy12Zq");
    writeBytes(path, " 1 \r\n");
    QFile leftover(path);
    if (leftover.open(QIODevice::ReadWrite))
        leftover.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    return path;
}

void SuiteTest::writePicture(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(path, "BMP")) << path.toStdString();
}

QByteArray SuiteTest::readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void SuiteTest::copyFromSuite(const QString& name) const
{
    const QString target = programDir() + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(QStringLiteral(TAVORO_SUITE_DIR "/") + name, target);
}

void SuiteTest::startProgram(QProcess& process, const QString& name, const QStringList& arguments,
                             QProcessEnvironment env) const
{
    env.insert(QStringLiteral("XDG_DATA_HOME"), appDataDir());
    env.insert(QStringLiteral("TMPDIR"), paths->temp);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setWorkingDirectory(root.path());
    process.start(programDir() + QLatin1Char('/') + name, arguments);
}

void SuiteTest::exportDataFolder() const
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(appDataDir()));
}

void SuiteTest::useRealLauncher(const QString& arguments)
{
    QFile::remove(programDir() + QStringLiteral("/startomo"));
    copyFromSuite(QStringLiteral("startomo"));
    exportDataFolder();
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{arguments});
    processes = nullptr;
}

QStringList SuiteTest::startedLauncher() const
{
    const QString launcher = programDir() + QStringLiteral("/startomo");
    std::vector<std::pair<int, QStringList>> found;
    if (!QTest::qWaitFor([&] { return !(found = processesOf(launcher)).empty(); }, 10000))
        return {};
    for (const auto& [pid, argv] : found)
        ::kill(pid, SIGTERM);
    return found.size() == 1 ? found.front().second.mid(1) : QStringList();
}

platform::QtPrinter& SuiteTest::usePdfPrinter()
{
    auto pdf = std::make_unique<platform::QtPrinter>(platform::services(), platform::QtPrinter::Output::Pdf);
    platform::QtPrinter& real = *pdf;
    platform::services().printer = std::move(pdf);
    printer = nullptr;
    return real;
}

void SuiteTest::useRealHelp()
{
    const QDir pages(QStringLiteral(TAVORO_SUITE_DIR "/help"));
    for (const QString& page : pages.entryList(QDir::Files))
        copyFromSuite(QStringLiteral("help/") + page);
    platform::services().help = std::make_unique<platform::RealHelpViewer>();
    help = nullptr;
}

platform::HelpWindow* shownHelpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<platform::HelpWindow*>(window); help && help->isVisible())
            return help;
    return nullptr;
}

QString shownHelpTitle()
{
    const platform::HelpWindow* help = shownHelpWindow();
    return help ? help->windowTitle() : QString();
}

void clickLink(QTextBrowser* browser, const QString& href)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(cursor).center());
            return;
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
}

void openMenu(platform::Form& form, QMenu* menu)
{
    QMenuBar* row = form.menuBar() ? form.menuBar()->rowOf(menu->menuAction()) : nullptr;
    ASSERT_NE(row, nullptr) << menu->title().toStdString() << " is not on the menu bar";
    QTest::mouseClick(row, Qt::LeftButton, {}, row->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000)) << menu->title().toStdString();
}

void clickMenuItem(platform::Form& form, QMenu* menu, QAction* item)
{
    ASSERT_NO_FATAL_FAILURE(openMenu(form, menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void SuiteTest::addProgram(const QString& name) const
{
    const QString path = programDir() + QLatin1Char('/') + name;
    writeBytes(path, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

bool catchesSignal(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (signal - 1));
    return false;
}

bool holdsInstanceLock(qint64 pid, const QString& program)
{
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    const QString lockName = QStringLiteral("tavoro-%1-").arg(program.toLower());
    for (const QFileInfo& fd : QDir(process + QStringLiteral("/fd")).entryInfoList(QDir::Files | QDir::System)) {
        const QString file = QFileInfo(fd.symLinkTarget()).fileName();
        if (!file.startsWith(lockName) || !file.endsWith(QLatin1String(".lock")))
            continue;
        QFile info(process + QStringLiteral("/fdinfo/") + fd.fileName());
        // The kernel lists the locks held on the descriptor's file.
        if (info.open(QIODevice::ReadOnly) && info.readAll().contains("FLOCK"))
            return true;
    }
    return false;
}

} // namespace testing_support
