// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/Form1.h"
#include "taskmanager/ManagerFile.h"

#include "tests/support/fixture.h"

#include <QPushButton>
#include <QTest>

#include <memory>
// A program folder with the task manager's default files, and the main window on fakes.
class TaskManagerTest : public testing_support::SuiteTest {
protected:
    TaskManagerTest();
    ~TaskManagerTest() override;

    // The program folder's "manager.ini" (the data copy is made from it at start).
    void writeManager(const taskmanager::ManagerSettings& settings) const;
    void writeOptions(int backdrop, int taskbarVisible, int fullScreen) const;
    QString packageDir() const { return dataDir(); }
    QString resultsFile() const { return packageDir() + "/Protokoll.txt"; }

    taskmanager::Form1& start();
    QPushButton* button(const QString& name) const;
    void click(const QString& name) const;
    QAction* menuItem(const QString& name) const;

    // A block record as the exercises append it, and the abort record.
    static QStringList blockRecord(const QString& title);
    static QStringList abortRecord(const QString& title);
    // The exercise whose command line starts with `program` appends `lines` to `file`.
    void whenRunning(const QString& program, const QString& file, const QStringList& lines);

    taskmanager::TaskManagerState state;
    std::unique_ptr<taskmanager::Form1> form;

private:
    std::vector<std::tuple<QString, QString, QStringList>> effects_;
};
