// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "platform/files.h"
#include "platform/services.h"

TaskManagerTest::TaskManagerTest()
{
    writeFile(programDir() + "/Protokoll/Namen.ini", {});
    writeOptions(0, -1, 0);
    writeManager(taskmanager::ManagerSettings{});
    processes->onRun = [this](const QString& commandLine) {
        for (const auto& [program, file, lines] : effects_)
            if (commandLine.startsWith(program))
                platform::appendTextLines(file, lines);
    };
}

TaskManagerTest::~TaskManagerTest()
{
    form.reset();
}

void TaskManagerTest::writeManager(const taskmanager::ManagerSettings& settings) const
{
    writeFile(programDir() + "/manager.ini", taskmanager::managerLines(settings));
}

void TaskManagerTest::writeOptions(int backdrop, int taskbarVisible, int fullScreen) const
{
    writeFile(programDir() + "/options4.ini",
              {" 0 ", platform::formatNumber(backdrop), platform::formatNumber(taskbarVisible),
               platform::formatNumber(fullScreen), " 0 ", "-1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 1 "});
}

taskmanager::Form1& TaskManagerTest::start()
{
    // What the program's start does before its window loads.
    platform::enterProgramFolder();
    form = std::make_unique<taskmanager::Form1>(state);
    form->show();
    return *form;
}

QPushButton* TaskManagerTest::button(const QString& name) const
{
    return testing_support::control<QPushButton>(*form, name);
}

void TaskManagerTest::click(const QString& name) const
{
    if (QPushButton* b = button(name))
        QTest::mouseClick(b, Qt::LeftButton);
}

QAction* TaskManagerTest::menuItem(const QString& name) const
{
    return testing_support::control<QAction>(*form, name);
}

QStringList TaskManagerTest::blockRecord(const QString& title)
{
    return {"Programm " + title + "; Protokoll erstellt am 10.12.2026 09:30:00.", "Von 10 Aufgaben wurden",
            "8 Aufgabe(n) auf Anhieb richtig und", "2 Aufgabe(n) beim ersten Mal falsch gelöst.", ""};
}

QStringList TaskManagerTest::abortRecord(const QString& title)
{
    return {"Programm " + title + "; Protokoll erstellt am 10.12.2026 09:40:00.",
            "Das Programm wurde vorzeitig abgebrochen.",
            "Es wurden nur 4 Aufgabe(n) abgearbeitet. Davon wurden",
            "3 Aufgabe(n) auf Anhieb richtig und",
            "1 Aufgabe(n) beim ersten Mal falsch gelöst.",
            "",
            "termination by supervisor"};
}

void TaskManagerTest::whenRunning(const QString& program, const QString& file, const QStringList& lines)
{
    effects_.emplace_back(program, file, lines);
}
