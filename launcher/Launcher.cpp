// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/Launcher.h"

#include "platform/files.h"

namespace launcher {

const std::array<Exercise, 9> kExercises{{
    {"Command1", "Plattix", 240, 960, "plattix.exe", "design/launcher/plattix.png"},
    {"Command2", "Tastomat", 2400, 960, "tastomat.exe", "design/launcher/tastomat.png"},
    {"Command3", "Kritzlon", 4560, 960, "Kritzlon.exe", "design/launcher/Kritzlon.png"},
    {"Command9", "Baudrom: Buchstaben", 6720, 960, "baudrom.exe", "design/launcher/baudrom.png"},
    {"Command10", "Baudrom: Silben", 240, 2520, "baudromsilben.exe", "design/launcher/baudromsilben.png"},
    {"Command4", "Lesolum", 2400, 2520, "lesolum.exe", "design/launcher/lesolum.png"},
    {"Command7", "Rateflor", 4560, 2520, "rateflor.exe", "design/launcher/rateflor.png"},
    {"Command6", "Fugolin", 6720, 2520, "Fugolin.exe", "design/launcher/Fugolin.png"},
    {"Command5", "Bogenblick", 240, 4080, "bogenblick.exe", "design/launcher/bogenblick.png"},
}};

QString exerciseCommandLine(const QString& program, const SuiteOptions& options,
                            const QString& dataDir, const QString& pupilName)
{
    QString line = program + QStringLiteral(" Q");
    if (options.logging())
        line += QStringLiteral(" /p=\"%1\" /n=\"%2\"").arg(dataDir, pupilName);
    return line;
}

QString greeting(const QString& pupilName)
{
    const QString second = QStringLiteral("\r\nWähle ein Programm aus:");
    if (pupilName.isEmpty() || pupilName.toUpper() == QLatin1String("UNBEKANNT"))
        return QStringLiteral("Hallo!") + second;
    return QStringLiteral("Hallo ") + pupilName + QStringLiteral("!") + second;
}

QString helpFile(const QString& appPath, const SuiteOptions& options)
{
    const bool top = options.startBackdrop() && !options.taskbarVisible();
    return appPath + (top ? QStringLiteral("/Ratgebix_Top.chm") : QStringLiteral("/Ratgebix.chm"));
}

} // namespace launcher
