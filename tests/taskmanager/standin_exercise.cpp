// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for an exercise in assignment mode: appends one record to the data folder's
// "Protokoll.txt" and ends. The record's header names the program and the argument it got, so
// the task log shows what was started. Programs named in TAVORO_STANDIN_ABORT write the
// teacher's abort record instead of a block record.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    const std::string argument = argc > 1 ? argv[1] : "";
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* abortList = std::getenv("TAVORO_STANDIN_ABORT");
    if (!data)
        return 1;
    const bool abort = abortList && std::string(abortList).find(name) != std::string::npos;
    std::ofstream out(std::filesystem::path(data) / "DA Ravezure" / "Tavoro" / "Protokoll.txt",
                      std::ios::binary | std::ios::app);
    out << "Programm " << name << " " << argument << "; Protokoll erstellt am 10.12.2026 09:30:00.\r\n";
    if (abort)
        out << "Das Programm wurde vorzeitig abgebrochen.\r\n"
               "Es wurden nur 4 Aufgabe(n) abgearbeitet. Davon wurden\r\n"
               "3 Aufgabe(n) auf Anhieb richtig und\r\n"
               "1 Aufgabe(n) beim ersten Mal falsch gel\xf6st.\r\n"
               "\r\n"
               "termination by supervisor\r\n";
    else
        out << "Von 10 Aufgaben wurden\r\n"
               "8 Aufgabe(n) auf Anhieb richtig und\r\n"
               "2 Aufgabe(n) beim ersten Mal falsch gel\xf6st.\r\n"
               "\r\n";
    return 0;
}
