// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of a program started at the same instant on one data folder, as a double click
// starts them: exactly one stays.
#include "tests/support/fixture.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The two copies of each program, released together by closing one pipe.
class DoubleStart {
public:
    struct Copy {
        pid_t pid = -1;
        bool ended = false;
        int status = 0;
    };

    void add(const QString& program, const QString& appData, const QString& from)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", appData);
        Prepared p;
        p.exe = QFile::encodeName(QStringLiteral(TAVORO_SUITE_DIR "/") + program);
        p.folder = QFile::encodeName(from);
        for (const QString& entry : env.toStringList())
            p.env.push_back(entry.toLocal8Bit());
        prepared_.push_back(std::move(p));
    }

    // Forks every copy twice; all of them wait at the gate, then exec at once.
    void startAll()
    {
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        for (Prepared& p : prepared_) {
            std::vector<char*> envp;
            for (QByteArray& e : p.env)
                envp.push_back(e.data());
            envp.push_back(nullptr);
            char* argv[] = {p.exe.data(), nullptr};
            for (Copy& copy : p.copies) {
                copy.pid = ::fork();
                if (copy.pid == 0) {
                    ::close(gate[1]);
                    char c;
                    [[maybe_unused]] const ssize_t r = ::read(gate[0], &c, 1);
                    if (::chdir(p.folder.constData()) == 0)
                        ::execve(argv[0], argv, envp.data());
                    ::_exit(127);
                }
            }
        }
        ::close(gate[0]);
        ::close(gate[1]);
    }

    // Each program's pair once one of its copies has ended and the other holds the program's
    // single-instance lock, so that it stays (at most `ms`).
    bool waitForOneEndEach(const QStringList& programs, int ms)
    {
        return QTest::qWaitFor([&] {
            bool all = true;
            for (std::size_t i = 0; i < prepared_.size(); ++i) {
                auto& copies = prepared_[i].copies;
                for (Copy& c : copies)
                    if (!c.ended && ::waitpid(c.pid, &c.status, WNOHANG) == c.pid)
                        c.ended = true;
                const auto stays = [&](const Copy& c) {
                    return !c.ended && testing_support::holdsInstanceLock(c.pid, programs[qsizetype(i)]);
                };
                all = all && ((copies[0].ended && stays(copies[1])) || (copies[1].ended && stays(copies[0])));
            }
            return all;
        }, ms);
    }

    const std::array<Copy, 2>& copies(std::size_t program) const { return prepared_[program].copies; }

    ~DoubleStart()
    {
        for (Prepared& p : prepared_)
            for (Copy& c : p.copies)
                if (c.pid > 0 && !c.ended) {
                    ::kill(c.pid, SIGKILL);
                    ::waitpid(c.pid, nullptr, 0);
                }
    }

private:
    struct Prepared {
        QByteArray exe, folder;
        std::vector<QByteArray> env;
        std::array<Copy, 2> copies;
    };
    std::vector<Prepared> prepared_;
};

class DoubleStartTest : public testing_support::SuiteTest {};

TEST_F(DoubleStartTest, OfTwoCopiesStartedAtOnceExactlyOneStays)
{
    const QStringList programs{"startomo", "tastomat", "Pensumo"};
    // Each program on a data folder of its own, with the suite options of a first start.
    for (const QString& program : programs)
        QDir().mkpath(root.path() + "/" + program + "/DA Ravezure/Tavoro");
    for (int trial = 1; trial <= 20; ++trial) {
        DoubleStart start;
        for (const QString& program : programs)
            start.add(program, root.path() + "/" + program, paths->temp);
        start.startAll();
        ASSERT_TRUE(start.waitForOneEndEach(programs, 30000)) << "trial " << trial;
        for (std::size_t i = 0; i < std::size_t(programs.size()); ++i) {
            const auto& copies = start.copies(i);
            int stayed = 0;
            for (const auto& c : copies) {
                const bool running = !c.ended && ::waitpid(c.pid, nullptr, WNOHANG) == 0;
                stayed += running ? 1 : 0;
                if (c.ended) {
                    EXPECT_TRUE(WIFEXITED(c.status) && WEXITSTATUS(c.status) == 0)
                        << programs[i].toStdString() << " trial " << trial;
                }
            }
            EXPECT_EQ(stayed, 1) << programs[i].toStdString() << " trial " << trial;
        }
    }
}

} // namespace
