// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/Package.h"

namespace taskmanager {

namespace {

constexpr int kReadingPrograms = 10;   // numbers 1 to 10
constexpr int kFirstSuiteProgram = 11;
constexpr int kFirstMathsProgram = 20;
constexpr int kMathsPrograms = 16;     // numbers 20 to 35
constexpr int kLastProgram = 35;

const QStringList& suiteFiles()
{
    static const QStringList files{
        QStringLiteral("plattix.exe"),  QStringLiteral("tastomat.exe"),
        QStringLiteral("Kritzlon.exe"), QStringLiteral("baudrom.exe"),
        QStringLiteral("baudromsilben.exe"), QStringLiteral("lesolum.exe"),
        QStringLiteral("rateflor.exe"), QStringLiteral("Fugolin.exe"),
        QStringLiteral("bogenblick.exe")};
    return files;
}

const QStringList& suiteTitles()
{
    static const QStringList titles{
        QStringLiteral("QL Plattix"), QStringLiteral("QL Tastomat"), QStringLiteral("QL Kritzlon"),
        QStringLiteral("QL Baudrom mit Buchstaben"), QStringLiteral("QL Baudrom mit Silben"),
        QStringLiteral("QL Lesolum"), QStringLiteral("QL Rateflor"), QStringLiteral("QL Fugolin"),
        QStringLiteral("QL Bogenblick")};
    return titles;
}

QString programFile(int number)
{
    if (number >= 1 && number <= kReadingPrograms)
        return QStringLiteral("ornifant%1.exe").arg(number) + (number == 7 ? "B" : "A");
    if (number >= kFirstSuiteProgram && number < kFirstMathsProgram)
        return suiteFiles()[number - kFirstSuiteProgram] + QLatin1Char('A');
    if (number >= kFirstMathsProgram && number <= kLastProgram) {
        const bool variantB = number == 29 || number == 31 || number == 33;
        return QStringLiteral("quorrel%1.exe").arg(number - kFirstMathsProgram + 1)
               + (variantB ? "B" : "A");
    }
    return QStringLiteral("A");
}

QString bundleFolder(int number)
{
    if (number >= 1 && number <= kReadingPrograms)
        return QStringLiteral("Lese");
    if (number >= kFirstSuiteProgram && number < kFirstMathsProgram)
        return QStringLiteral("Wörter");
    if (number >= kFirstMathsProgram && number <= kLastProgram)
        return QStringLiteral("Mathe");
    return {};
}

} // namespace

PackageInfo packageInfo(const QString& code)
{
    const QString options = QStringLiteral("options.ini");
    const QString backup = QStringLiteral("options.bak");
    if (code == QLatin1String("TV"))
        return {QStringLiteral("Tavoro"), QStringLiteral("options4.ini"),
                QStringLiteral("options4.bak"), QStringLiteral("options4.ini"), 4, 10};
    if (code == QLatin1String("OR"))
        return {QStringLiteral("Ornifant"), options, backup, options, 6, 0};
    if (code == QLatin1String("QU"))
        return {QStringLiteral("Quorrel"), options, backup, options, 5, 19};
    if (code == QLatin1String("PL"))
        return {QStringLiteral("Plenaro"), QStringLiteral("Ornifant/") + options,
                QStringLiteral("Ornifant/") + backup, QStringLiteral("lese/") + options, 6, 0};
    return {};
}

QString ProgInit(const QString& code, int index, const QString& appPath, QString& folder)
{
    if (index == 0)
        return QStringLiteral("A");
    const int number = index + packageInfo(code).offset;
    QString name = programFile(number);
    if (code != QLatin1String("PL"))
        folder = appPath;
    else if (!bundleFolder(number).isEmpty())
        folder = appPath + QLatin1Char('/') + bundleFolder(number);
    return name;
}

TaskProgram resolveProgram(const QString& code, int index, const QString& appPath)
{
    TaskProgram program;
    program.folder = appPath;
    QString name = ProgInit(code, index, appPath, program.folder);
    program.VariantLetter = name.endsWith(QLatin1Char('B')) ? QLatin1Char('B') : QLatin1Char('A');
    name.chop(1);
    program.fileName = name;
    return program;
}

QStringList assignmentResultsFiles(const QString& code, const QString& packageDir)
{
    const QString file = QStringLiteral("/Protokoll.txt");
    if (code != QLatin1String("PL"))
        return {packageDir + file};
    return {packageDir + QStringLiteral("/Ornifant") + file, packageDir + QStringLiteral("/Quorrel") + file,
            packageDir + QStringLiteral("/Tavoro") + file};
}

QStringList programChoices(const QString& code)
{
    const bool bundle = code == QLatin1String("PL");
    QStringList choices{QStringLiteral("Kein Programm starten")};
    if (bundle || code == QLatin1String("OR"))
        for (int i = 1; i <= kReadingPrograms; ++i)
            choices.append(QStringLiteral("QL Ornifant %1").arg(i));
    if (bundle || code == QLatin1String("TV"))
        choices.append(suiteTitles());
    if (bundle || code == QLatin1String("QU"))
        for (int i = 1; i <= kMathsPrograms; ++i)
            choices.append(QStringLiteral("QL Quorrel %1").arg(i));
    return choices;
}

} // namespace taskmanager
