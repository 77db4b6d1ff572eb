// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged inputs and command lines fed to the real programs: every file of the data folder
// and of the program folder that a program reads, the names of the files a teacher adds, and
// the results file of a task set's program.
//
// HOW TO ADD A PROGRAM OR AN INPUT: add a row or an input to `programs()` in fuzz_inputs.cpp:
// the executable's name, the command lines it is started with (`{data}` stands for the case's
// data folder), and every file it reads, each with a valid content that the cases damage and
// the clicks or keys that make the program read it. A new executable also goes into TAVORO_PROGRAMS
// in the top CMakeLists.txt. Nothing else: a fixed number of cases is spread over the rows,
// with a fixed seed, so the run time stays the same as rows are added.
//
// A case starts the real program on its own copy of the program folder and its own data, temp,
// runtime and home folders, from a folder that is not the program folder, on a private X server;
// one input (or the command line) is damaged. The harness clicks its way to where the program
// reads the input, waits until the program sits idle (in a dialog, a message or its window), and
// sends SIGTERM to it and what it started, as a logout does. A fault is: an end by a signal the
// harness did not send, a sanitizer report, no end on SIGTERM, a file written outside the data
// folder (or the log folder its command line names), a file left in TMPDIR or the runtime
// folder (the single-instance locks are kept there by design), a rewrite's temporary left in
// the data folder, and a process left running. The run time is bounded: a case has a fixed budget,
// and no case starts once the run's time is used up (the programs take turns and so do each
// program's inputs, so a run of any length damages the inputs evenly).
#include "tests/fuzz/fuzz_inputs.h"
#include "tests/fuzz/fuzz_run.h"

#include "framework/ExerciseState.h"
#include "framework/ListAuswahl.h"

#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace {

using fuzz::Fault;
using fuzz::FuzzRun;

constexpr int kCases = 300;
constexpr int kParallel = 6;
constexpr unsigned kSeed = 20261210;
// No case starts later: with a case's budget the whole run stays under two minutes.
constexpr qint64 kRunBudgetMs = 90000;

// The faults of a run by kind.
class Findings {
public:
    void add(const Fault& f) { faults_[f.kind] << f.text; }

    // Fails the test once for each kind of fault met.
    void report() const
    {
        for (const auto& [kind, texts] : faults_)
            ADD_FAILURE() << texts.size() << " x " << kind.toStdString() << ":\n" << texts.join('\n').toStdString();
    }

private:
    std::map<QString, QStringList> faults_;
};

// Entries of the cases' folder that are neither the program folder's master copy nor a running
// case's folder: written beside the cases.
QStringList strays(const QString& base, const std::vector<std::unique_ptr<FuzzRun>>& running)
{
    QStringList known{QStringLiteral("master")};
    for (const auto& run : running)
        if (run)
            known << run->folderName();
    QStringList found;
    for (const QString& entry : QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (!known.contains(entry))
            found << entry;
    return found;
}

// The cases, one per X server at a time, until they or the run's time are used up.
void runCases(const std::vector<fuzz::Case>& cases, const std::vector<std::unique_ptr<testing_support::PrivateXServer>>& servers,
                     const QString& base, Findings& findings)
{
    const QString master = base + QStringLiteral("/master");
    std::vector<std::unique_ptr<FuzzRun>> running(servers.size());
    std::size_t next = 0;
    QElapsedTimer run;
    run.start();
    const auto mayStart = [&] { return next < cases.size() && run.elapsed() < kRunBudgetMs; };
    const auto busy = [&] { return std::any_of(running.begin(), running.end(), [](const auto& r) { return r != nullptr; }); };
    while (mayStart() || busy()) {
        for (std::size_t slot = 0; slot < running.size(); ++slot)
            if (!running[slot] && mayStart())
                running[slot] = std::make_unique<FuzzRun>(cases[next++], *servers[slot], base, master);
        QThread::msleep(30);
        for (auto& r : running) {
            if (!r || !r->step())
                continue;
            for (const Fault& f : r->faults())
                findings.add(f);
            if (cases.size() == 1)
                std::printf("%s\n", qPrintable(r->trace()));
            r.reset();
            for (const QString& stray : strays(base, running))
                findings.add({fuzz::kOutside, QStringLiteral("beside the cases: ") + stray});
        }
    }
    std::printf("%zu of %zu cases run in %lld ms\n", next, cases.size(), static_cast<long long>(run.elapsed()));
}

TEST(Fuzz, DamagedInputsAndCommandLinesCrashNoProgramAndLeaveNothingBehind)
{
    // TAVORO_FUZZ_CASE=<n> runs case n alone, as a report names it.
    std::vector<fuzz::Case> cases = fuzz::makeCases(kCases, kSeed);
    bool one = false;
    const int only = qEnvironmentVariableIntValue("TAVORO_FUZZ_CASE", &one);
    if (one) {
        ASSERT_TRUE(only >= 0 && only < kCases) << "TAVORO_FUZZ_CASE=" << only;
        cases = {cases[static_cast<std::size_t>(only)]};
    }
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    fuzz::copyFolder(QStringLiteral(TAVORO_SUITE_DIR), base.path() + QStringLiteral("/master"));
    const fuzz::Snapshot suite = fuzz::snapshot(TAVORO_SUITE_DIR);
    std::vector<std::unique_ptr<testing_support::PrivateXServer>> servers;
    for (int i = 0; i < kParallel; ++i) {
        servers.push_back(std::make_unique<testing_support::PrivateXServer>());
        ASSERT_TRUE(servers.back()->running());
    }

    Findings findings;
    runCases(cases, servers, base.path(), findings);
    for (const QString& change : fuzz::differences(suite, fuzz::snapshot(TAVORO_SUITE_DIR)))
        findings.add({fuzz::kOutside, QStringLiteral("built program folder: ") + change});
    findings.report();
}

class WordListFuzz : public testing_support::SuiteTest {};

TEST_F(WordListFuzz, DamagedWordListsReadAsAtMostAHundredWords)
{
    std::mt19937 rng(kSeed);
    ExerciseState state;
    state.DataDir = dataDir();
    state.ListSource = WordListSource::OwnLists;
    const QByteArray sample = "Hund\r\nKat-ze\r\n  Maus \r\nK\xe4se\r\n";
    for (int n = 0; n < 100; ++n) {
        writeBytes(dataDir() + "/Listen/Liste", fuzz::mutate(sample, rng));
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
