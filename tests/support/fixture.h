// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fake_printer.h"
#include "tests/support/fakes.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* os);

class QAction;
class QMenu;
class QTextBrowser;

namespace platform {
class Form;
class HelpWindow;
class QtPrinter;
}

namespace testing_support {

// Every test gets its own program folder, application-data folder and temp folder, with the
// fake services installed.
class SuiteTest : public ::testing::Test {
protected:
    SuiteTest();
    ~SuiteTest() override;

    QString programDir() const { return paths->program; }
    QString appDataDir() const { return paths->appData; }
    // The suite's data folder below the application-data folder.
    QString dataDir() const;
    // Writes a file (Windows-1252, CR LF lines) below `folder`, creating folders on the way.
    static void writeFile(const QString& path, const QStringList& lines);
    static void writeBytes(const QString& path, const QByteArray& bytes);
    // The suite options where a real program finds them: the program folder's, the data folder's
    // and its backup.
    void writeOptionFiles(const QStringList& lines) const;
    static QByteArray readBytes(const QString& path);
    // A small plain bitmap, folders created on the way.
    static void writePicture(const QString& path);
    // What a rewrite of `file` killed before its rename left beside it a day ago; its path.
    static QString writeSaveLeftover(const QString& file);
    // Copies one file of the built program folder into the test's program folder.
    void copyFromSuite(const QString& name) const;
    // A small executable stand-in for a suite program in the program folder.
    void addProgram(const QString& name) const;
    // Starts a program of the program folder as a pupil's start would, from a folder that is not
    // the program folder, on this test's application-data and temp folders; `env` names the
    // display. Its output goes to the test's, also that of the programs it starts.
    void startProgram(QProcess& process, const QString& name, const QStringList& arguments,
                      QProcessEnvironment env) const;
    // Programs this process starts with its own environment (the real process service) use the
    // test's application-data folder, as the fakes report it, until the test ends.
    void exportDataFolder() const;
    // The real launcher in the program folder, kept to this test's data folder, and the real
    // process service with `arguments` as the program's own: what an exercise's end starts.
    void useRealLauncher(const QString& arguments);
    // The arguments of the one launcher started meanwhile (waits for it), which is then ended;
    // empty when none or more than one runs.
    QStringList startedLauncher() const;
    // The real printer, writing PDF files, in place of the recording one.
    platform::QtPrinter& usePdfPrinter();
    // The real help viewer in place of the recording one, with the suite's help pages in the
    // program folder: what a help entry opens is read back from the help window.
    void useRealHelp();

    QTemporaryDir root;
    FakePaths* paths;
    FakeProcesses* processes;
    FakeClock* clock;
    FakeMessageBoxes* messages;
    FakeHelpViewer* help;
    FakeDisplay* display;
    FakePrinter* printer;

private:
    const QString startFolder_ = QDir::currentPath();
    const QByteArray startDataHome_ = qgetenv("XDG_DATA_HOME");
};

// The running copies of `program` (a path; a script counts by its interpreter's arguments):
// their ids and arguments.
std::vector<std::pair<int, QStringList>> processesOf(const QString& program);

// The help window on the screen; nullptr when none is shown.
platform::HelpWindow* shownHelpWindow();
// Its caption; empty when none is shown.
QString shownHelpTitle();
// A click on the link to `href` in the browser, as a reader clicks it.
void clickLink(QTextBrowser* browser, const QString& href);
// Opens the top-level menu with a click on its entry in the form's menu bar, as the teacher does.
void openMenu(platform::Form& form, QMenu* menu);
// Opens the top-level menu so, then clicks the item.
void clickMenuItem(platform::Form& form, QMenu* menu, QAction* item);

// Runs `action` inside the nested loop of the next form of that name that is shown, once.
void whenShown(const QString& formName, std::function<void(platform::Form&)> action);
// Forgets every pending whenShown action.
void clearWhenShown();

// Whether the process has a handler for `signal` installed: from then on the signal ends it
// as the program's own handling does, not by the default action.
bool catchesSignal(qint64 pid, int signal);
// Whether the process holds the single-instance lock of `program`: it has passed the check
// that makes a second copy end, and stays.
bool holdsInstanceLock(qint64 pid, const QString& program);

// The control of that name (its objectName, as the layout names it) on a form or dialog;
// nullptr, with a failure of the test, when it has none of that type.
template <class Control>
Control* control(const QObject& form, const QString& name)
{
    auto* found = form.findChild<Control*>(name);
    EXPECT_NE(found, nullptr) << "no " << name.toStdString() << " on " << form.objectName().toStdString();
    return found;
}

} // namespace testing_support
