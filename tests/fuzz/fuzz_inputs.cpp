// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/fuzz_inputs.h"

#include "tests/support/xserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <fstream>

namespace fuzz {

namespace {

using testing_support::twipsCentre;

const QString kSuite = QStringLiteral(TAVORO_SUITE_DIR);

// A damaged picture of a set is cut to this size, a damaged file to the larger one: the run
// writes a few hundred such files per case.
constexpr qsizetype kMaxPictureBytes = 256 * 1024;
constexpr qsizetype kMaxFileBytes = 4 * 1024 * 1024;

QByteArray suiteFile(const QString& path)
{
    QFile file(kSuite + QLatin1Char('/') + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every option a start can reach on: own pictures, own key pictures and logging under names;
// no backdrop, so that the clicks reach the windows.
QByteArray suiteOptions()
{
    return " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n";
}

QByteArray managerFile()
{
    QByteArray file = "TV\r\n 1 \r\n2 2 0 0 0 \r\nFuzz\r\n";
    for (int set = 2; set <= 10; ++set)
        file += "0 0 0 0 0 \r\nleer\r\n";
    return file + "-1 \r\n 3 \r\n";
}

const QByteArray kBlockRecord = "Programm tastomat Q03A; Protokoll erstellt am 10.12.2026 09:30:00.\r\n"
                                "Von 10 Aufgaben wurden\r\n"
                                "8 Aufgabe(n) auf Anhieb richtig und\r\n"
                                "2 Aufgabe(n) beim ersten Mal falsch gel\xf6st.\r\n"
                                "\r\n";

// Names a teacher, a copy from a stick or a broken disk may give a file. "." and ".." are
// given an extension or a third dot, names are cut to the longest a file system keeps.
const QByteArray kHostileNames[] = {
    QByteArray(300, 'W'), "-", "-rf", "--help", "..", ".", " ", " Hund ", "a\tb", "Zeile\nzwei", "\r",
    "\x01\x02\x7f", "\x1b[31m", "\xff\xfe", "K\xe4se", "\xc3", "\"", "a \"b\" c", "it's", "$(x)", "*", "?",
    "a;b", "%s%n", "\\", "\xc3\x84pfel", "Ba--na", "-Ba-na-ne-",
};

QByteArray hostileFileName(QByteArray name, const QByteArray& extension)
{
    if (name == "." || name == "..")
        name += extension.isEmpty() ? QByteArray(".") : QByteArray();
    return name.left(255 - extension.size()) + extension;
}

void writeBytes(const std::filesystem::path& path, const QByteArray& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    writeBytes(fsPath(path), bytes);
}

QByteArray capped(QByteArray bytes, qsizetype size)
{
    bytes.truncate(size);
    return bytes;
}

// Level dialogs: the four-button one or the six-button one of the syllable exercises.
enum class Levels { None, Four, Six };

Step level(const QString& title, Levels dialog, int index)
{
    const bool six = dialog == Levels::Six;
    const int left = index == 0 ? (six ? 368 : 360) : (six ? 383 : 375);
    const int top = (six ? 1088 : 1125) + 840 * index;
    return {title, {twipsCentre(left, top, 5775, 675)}, {}, false};
}

// The first list of the word-list dialog.
Step firstList(bool ownLists)
{
    const QString title = ownLists ? QStringLiteral("Auswahl einer Wortliste durch Klick (Erstellen einer Wortliste mit F6)")
                                   : QStringLiteral("Auswahl einer Wortliste durch Klick");
    return {title, {twipsCentre(308, 915, 5415, 400)}, {}, false};
}

// The print dialog's "OK".
Step printOk()
{
    return {QStringLiteral("Drucken"), {twipsCentre(360, 3480, 1935, 375)}, {}, false};
}

struct ExerciseInputs {
    QString executable{};
    QString title{};          // of its dialogs
    QString caption{};        // of its main window
    QString logTitle{};
    Levels levels = Levels::Four;
    QString ownPictures{};    // below the program folder; empty: none
    bool syllables = false;   // own pictures are named with syllable hyphens
    QString keyPictures{};    // the folder of its own key pictures below "Anlaut"; empty: none
    QStringList printKeys{};  // in the teacher menu: the initial-sound table print
    QString settingsFile{};
    QByteArray settings{};
    QString assignment = QStringLiteral("Q05A");
    bool resultsLog = true;
};

std::vector<Step> builtInLevel(const ExerciseInputs& e)
{
    if (e.levels == Levels::None)
        return {};
    return {level(e.title, e.levels, 0)};
}

std::vector<Entry> ownPictureEntries(bool syllables)
{
    // Ten: the word reading takes no fewer.
    const char* const names[][2] = {{"Katze", "Kat-ze"}, {"Ente", "En-te"}, {"Banane", "Ba-na-ne"}, {"Hund", "Hund"},
                                    {"Maus", "Maus"},    {"Apfel", "Ap-fel"}, {"Auto", "Au-to"},     {"Ball", "Ball"},
                                    {"Baum", "Baum"},    {"Blume", "Blu-me"}};
    std::vector<Entry> entries;
    for (const auto& name : names)
        entries.push_back({QByteArray(name[syllables ? 1 : 0]) + ".bmp", suiteFile(QString::fromLatin1(name[0]) + ".bmp")});
    return entries;
}

FuzzInput file(const QString& label, Where where, const QString& path, QByteArray sample, std::vector<Step> steps)
{
    FuzzInput input;
    input.label = label;
    input.where = where;
    input.path = path;
    input.sample = std::move(sample);
    input.steps = std::move(steps);
    return input;
}

FuzzInput pictures(const QString& label, const QString& path, QStringList patterns, std::vector<Step> steps,
                   const QString& source = {})
{
    FuzzInput input = file(label, Where::Program, path, {}, std::move(steps));
    input.kind = Kind::Pictures;
    input.patterns = std::move(patterns);
    input.source = source;
    return input;
}

FuzzInput named(const QString& label, Where where, const QString& path, std::vector<Entry> entries,
                const QByteArray& extension, std::vector<Step> steps)
{
    FuzzInput input = file(label, where, path, {}, std::move(steps));
    input.kind = Kind::Named;
    input.entries = std::move(entries);
    input.extension = extension;
    return input;
}

FuzzProgram exercise(const ExerciseInputs& e)
{
    const std::vector<Step> start = builtInLevel(e);
    FuzzProgram p{e.executable,
                  {"Q /p=\"{data}\" /n=\"Max\"", e.assignment, "", "Q /p=\"{data}\" /n=\"../Max\""},
                  {},
                  start};
    auto& in = p.inputs;
    in.push_back(file("suite options", Where::Data, "options4.ini", suiteOptions(), start));
    FuzzInput central = file("central suite options", Where::Program, "options4.ini", suiteOptions(), start);
    central.absentWhenDamaged = QStringLiteral("options4.ini");
    in.push_back(central);
    if (e.resultsLog)
        in.push_back(file("pupil's log", Where::Data, "Protokoll_2/Max.txt",
                          ("Programm " + e.logTitle + ":\r\n").toLatin1(), start));
    if (!e.settingsFile.isEmpty())
        in.push_back(file("own settings", Where::Data, e.settingsFile, e.settings, start));
    in.push_back(pictures("design pictures", "design", {"*.png"}, start));
    if (e.executable != QLatin1String("Kritzlon"))
        in.push_back(pictures("word pictures", "", {"*.bmp"}, start));
    if (!e.ownPictures.isEmpty())
        in.push_back(named("own pictures", Where::Program, e.ownPictures, ownPictureEntries(e.syllables), ".bmp",
                           {level(e.title, e.levels, e.levels == Levels::Six ? 5 : 3)}));
    if (!e.keyPictures.isEmpty()) {
        in.push_back(pictures("key pictures", "keys", {"*.bmp"}, start));
        in.push_back(pictures("own key pictures", "Anlaut/" + e.keyPictures, {"*.bmp"}, start, "keys"));
        std::vector<Step> print = start;
        print.push_back({e.caption, {}, QStringList{"F6", "alt+m"} + e.printKeys, true});
        print.push_back(printOk());
        in.push_back(pictures("initial-sound tables", "", {"Tabelle*.gif"}, print));
    }
    if (e.levels == Levels::Six) {
        const std::vector<Entry> lists{{"Tiere.txt", suiteFile("WeitereListen/Tiere.txt")}};
        in.push_back(named("further word lists", Where::Program, "WeitereListen", lists, {},
                           {level(e.title, e.levels, 3), firstList(false)}));
        in.push_back(named("own word lists", Where::Data, "Listen", lists, {},
                           {level(e.title, e.levels, 4), firstList(true)}));
    }
    return p;
}

FuzzProgram launcher()
{
    // The name dialog: the first name, then "Weiter".
    const std::vector<Step> start{
        {"QL Ornifant", {twipsCentre(360, 2160, 4695, 300), twipsCentre(5520, 2520, 1815, 1575)}, {}, false}};
    FuzzProgram p{"startomo", {"", "/n=\"Max\"", "/n=\"../Max\""}, {}, start};
    auto& in = p.inputs;
    in.push_back(file("suite options", Where::Data, "options4.ini", suiteOptions(), start));
    in.push_back(file("suite options' backup", Where::Data, "options4.bak", suiteOptions(), start));
    in.push_back(file("central suite options", Where::Program, "options4.ini", suiteOptions(), start));
    in.push_back(file("pupil names", Where::Data, "Protokoll_2/Namen.ini", "Max\r\nAnna\r\nunbekannt\r\n", start));
    FuzzInput names = file("central pupil names", Where::Program, "Protokoll_2/Namen.ini", {}, start);
    names.absentWhenDamaged = QStringLiteral("Protokoll_2/Namen.ini");
    in.push_back(names);
    in.push_back(named("central word lists", Where::Program, "Listen",
                       {{"Tiere.txt", suiteFile("WeitereListen/Tiere.txt")}, {"Schule.txt", suiteFile("WeitereListen/Schule.txt")}, {"NEU", {}}},
                       {}, start));
    in.push_back(pictures("design pictures", "design", {"*.png"}, start));
    in.push_back(pictures("exercise pictures", "design/launcher", {"*.png"}, start));
    return p;
}

FuzzProgram taskManager()
{
    // The name dialog: the first name, then "Weiter"; then "Los geht's" below the menu bar.
    const std::vector<Step> run{
        {"Namen eingeben", {twipsCentre(240, 1800, 4935, 300), twipsCentre(1080, 4320, 3135, 495)}, {}, false},
        {"QL Pensumo", {twipsCentre(405, 240, 2655, 1215) + QPoint(0, 20)}, {}, true}};
    FuzzProgram p{"Pensumo", {""}, {}, run};
    auto& in = p.inputs;
    in.push_back(file("task sets", Where::Data, "manager.ini", managerFile(), run));
    FuzzInput package = file("central task sets' package line", Where::Program, "manager.ini", {}, run);
    package.firstLineOnly = true;
    in.push_back(package);
    FuzzInput central = file("central task sets", Where::Program, "manager.ini", {}, run);
    central.absentWhenDamaged = QStringLiteral("manager.ini");
    in.push_back(central);
    in.push_back(file("suite options", Where::Data, "options4.ini", suiteOptions(), run));
    FuzzInput options = file("central suite options", Where::Program, "options4.ini", suiteOptions(), run);
    options.absentWhenDamaged = QStringLiteral("options4.ini");
    in.push_back(options);
    in.push_back(file("pupil names", Where::Data, "Protokoll/Namen.ini", "Max\r\nAnna\r\n", run));
    FuzzInput names = file("central pupil names", Where::Program, "Protokoll/Namen.ini", {}, run);
    names.absentWhenDamaged = QStringLiteral("Protokoll/Namen.ini");
    in.push_back(names);
    in.push_back(pictures("design pictures", "design", {"*.png"}, run));
    FuzzInput results = file("results of the set's program", Where::Data, "Protokoll.txt", kBlockRecord, run);
    results.kind = Kind::ChildResults;
    in.push_back(results);
    return p;
}

QByteArray randomBytes(Random& rng, int count)
{
    static const QByteArray special("\0\r\n,\" -+.\xff\xe4\xdf\x80", 14);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += rng() % 3 == 0 ? special[static_cast<int>(rng() % special.size())]
                                : static_cast<char>(rng() % 256);
    return bytes;
}

QByteArray damagedFirstLine(const QByteArray& bytes, Random& rng)
{
    const qsizetype end = bytes.indexOf('\n');
    const qsizetype cut = end < 0 ? bytes.size() : end + 1;
    return mutate(bytes.left(cut), rng) + bytes.mid(cut);
}

// The files of a picture set as the built program folder has them, relative to it.
QStringList pictureFiles(const FuzzInput& input)
{
    const QString from = input.source.isEmpty() ? input.path : input.source;
    QStringList files;
    for (const QString& name : QDir(kSuite + QLatin1Char('/') + from).entryList(input.patterns, QDir::Files, QDir::Name))
        files << (from.isEmpty() ? name : from + QLatin1Char('/') + name);
    return files;
}

QString targetOf(const FuzzInput& input, const QString& suiteFile)
{
    const QString name = QFileInfo(suiteFile).fileName();
    return input.path.isEmpty() ? name : input.path + QLatin1Char('/') + name;
}

QString base(const FuzzInput& input, const CaseFolders& folders)
{
    return input.where == Where::Data ? folders.data : folders.program;
}

// The set's program, replaced by a stand-in that appends the results file to the data folder's
// "Protokoll.txt" as an exercise in assignment mode does.
void installStandIn(const CaseFolders& folders, const QByteArray& results)
{
    const QString results_ = folders.harness + QStringLiteral("/results");
    writeBytes(results_, results);
    const QString program = folders.program + QStringLiteral("/tastomat");
    QFile::remove(program);
    writeBytes(program, "#!/bin/sh\ncat '" + QFile::encodeName(results_) + "' >> '"
                            + QFile::encodeName(folders.data) + "/Protokoll.txt'\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
}

void writeValid(const FuzzInput& input, const CaseFolders& folders, bool damagedLeavesOut)
{
    const QString root = base(input, folders);
    switch (input.kind) {
    case Kind::File:
        if (!input.sample.isEmpty() && !damagedLeavesOut)
            writeBytes(root + QLatin1Char('/') + input.path, input.sample);
        break;
    case Kind::Pictures:
        if (!input.source.isEmpty())
            for (const QString& file : pictureFiles(input))
                writeBytes(root + QLatin1Char('/') + targetOf(input, file), suiteFile(file));
        break;
    case Kind::Named:
        for (const Entry& entry : input.entries)
            writeBytes(fsPath(root + QLatin1Char('/') + input.path) / entry.name.toStdString(), entry.content);
        break;
    case Kind::ChildResults:
        installStandIn(folders, input.sample);
        break;
    }
}

QString damageFile(const FuzzInput& input, const Case& c, const CaseFolders& folders, Random& rng)
{
    const QString path = base(input, folders) + QLatin1Char('/') + input.path;
    if (c.folderInstead) {
        QFile::remove(path);
        QDir().mkpath(path);
        return QStringLiteral("a folder");
    }
    const QByteArray valid = input.sample.isEmpty() ? suiteFile(input.path) : input.sample;
    const QByteArray damaged = capped(input.firstLineOnly ? damagedFirstLine(valid, rng) : mutate(valid, rng), kMaxFileBytes);
    writeBytes(path, damaged);
    return QStringLiteral("%1 bytes").arg(damaged.size());
}

QString damagePictures(const FuzzInput& input, const CaseFolders& folders, Random& rng)
{
    const QStringList files = pictureFiles(input);
    for (const QString& file : files)
        writeBytes(folders.program + QLatin1Char('/') + targetOf(input, file), capped(mutate(suiteFile(file), rng), kMaxPictureBytes));
    return QStringLiteral("%1 files").arg(files.size());
}

QString printable(const QByteArray& name)
{
    QString text;
    for (const char c : name)
        text += c >= 0x20 && c < 0x7f ? QString(QLatin1Char(c)) : QStringLiteral("\\x%1").arg(static_cast<uchar>(c), 2, 16, QLatin1Char('0'));
    return text.size() > 60 ? text.left(12) + QStringLiteral("...(%1)").arg(name.size()) : text;
}

// Valid names with damaged contents, or hostile names with valid or damaged contents.
QString damageNamed(const FuzzInput& input, const CaseFolders& folders, Random& rng)
{
    const std::filesystem::path folder = fsPath(base(input, folders) + QLatin1Char('/') + input.path);
    std::filesystem::remove_all(folder);
    const unsigned mode = rng() % 3;
    QStringList names;
    std::size_t next = rng() % std::size(kHostileNames);
    for (const Entry& entry : input.entries) {
        QByteArray name = entry.name;
        if (mode != 0) {
            name = hostileFileName(kHostileNames[next], input.extension);
            next = (next + 1 + rng() % 2) % std::size(kHostileNames);
        }
        const QByteArray content = mode == 1 ? entry.content : capped(mutate(entry.content, rng), kMaxPictureBytes);
        writeBytes(folder / name.toStdString(), content);
        names << printable(name);
    }
    return (mode == 1 ? QStringLiteral("hostile names: ") : mode == 2 ? QStringLiteral("hostile names, damaged: ")
                                                                       : QStringLiteral("damaged: "))
           + names.join(QStringLiteral(", "));
}

} // namespace

const std::vector<FuzzProgram>& programs()
{
    static const std::vector<FuzzProgram> table{
        launcher(),
        exercise({.executable = "tastomat", .title = "QL Tastomat", .caption = "QL Tastomat ;   <F6> für Lehrermenü",
                  .logTitle = "Tastomat", .ownPictures = "EigeneBilder/Tastomat", .keyPictures = "Tastomat",
                  .printKeys = {"a", "Return"}, .settingsFile = "options2.ini", .settings = " 2 \r\n"}),
        exercise({.executable = "Fugolin", .title = "QL Fugolin", .logTitle = "Fugolin", .levels = Levels::Six,
                  .ownPictures = "EigeneBilder/Fugolin", .syllables = true}),
        exercise({.executable = "plattix", .title = "QL Plattix", .logTitle = "Plattix",
                  .ownPictures = "EigeneBilder/Plattix"}),
        exercise({.executable = "lesolum", .title = "QL Lesolum", .logTitle = "Lesolum",
                  .ownPictures = "EigeneBilder/Lesolum"}),
        exercise({.executable = "Kritzlon", .title = "QL Kritzlon", .caption = "QL Kritzlon ;   <F6> für Lehrermenü",
                  .logTitle = "Kritzlon", .levels = Levels::None, .keyPictures = "Kritzlon", .printKeys = {"l"},
                  .settingsFile = "options3.ini", .settings = " 1 \r\n", .assignment = "Q03A",
                  .resultsLog = false}),
        exercise({.executable = "bogenblick", .title = "QL Bogenblick", .logTitle = "Bogenblick", .levels = Levels::Six,
                  .ownPictures = "EigeneBilder/Bogenblick", .syllables = true}),
        exercise({.executable = "rateflor", .title = "QL Rateflor", .logTitle = "Rateflor", .levels = Levels::None}),
        exercise({.executable = "baudrom", .title = "QL Baudrom 1", .logTitle = "Baudrom (Buchstaben)",
                  .ownPictures = "EigeneBilder/Baudrom/Buchstaben"}),
        exercise({.executable = "baudromsilben", .title = "QL Baudrom 2", .logTitle = "Baudrom (Silben)",
                  .ownPictures = "EigeneBilder/Baudrom/Silben", .syllables = true}),
        taskManager(),
    };
    return table;
}

QByteArray mutate(QByteArray bytes, Random& rng)
{
    auto pos = [&] { return static_cast<qsizetype>(rng() % (bytes.size() + 1)); };
    static const char* const extremes[] = {"99999999999999999999", "-32769", "32768", "1e308", "-", "\"",
                                           "\"open", "0x10", "  ", ",,,,", "NaN", "../../../../ausserhalb",
                                           "termination by supervisor", "PL", "OR", "QU"};
    QList<QByteArray> lines = bytes.split('\n');
    switch (rng() % 9) {
    case 0: return {};
    case 1: return bytes.left(pos());
    case 2:
        for (int i = 1 + static_cast<int>(rng() % 8); i > 0 && !bytes.isEmpty(); --i)
            bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        return bytes;
    case 3: return bytes.insert(pos(), randomBytes(rng, 1 + static_cast<int>(rng() % 16)));
    case 4:
        lines[rng() % lines.size()] = QByteArray(extremes[rng() % std::size(extremes)]) + "\r";
        return lines.join('\n');
    case 5: return bytes.repeated(200 + static_cast<int>(rng() % 2000));
    case 6: return bytes.insert(pos(), QByteArray(100000, 'W'));
    case 7: return randomBytes(rng, static_cast<int>(rng() % 512));
    default: return bytes.replace("\r\n", rng() % 2 ? "\r" : "\n");
    }
}

QString Case::describe() const
{
    return QStringLiteral("case %1: %2 \"%3\" %4")
        .arg(number)
        .arg(program->executable, printable(commandLine.toUtf8()), input < 0 ? QStringLiteral("command line") : damaged()->label);
}

std::vector<Case> makeCases(int count, unsigned seed)
{
    Random rng(seed);
    std::vector<Case> cases;
    const auto& table = programs();
    for (int n = 0; n < count; ++n) {
        Case c;
        c.number = n;
        c.program = &table[static_cast<std::size_t>(n) % table.size()];
        const FuzzProgram& p = *c.program;
        c.commandLine = p.commandLines[static_cast<int>(rng() % p.commandLines.size())];
        // A program's inputs take turns too, the command line last.
        const std::size_t pick = static_cast<std::size_t>(n) / table.size() % (p.inputs.size() + 1);
        if (pick == p.inputs.size()) {
            c.commandLine = QString::fromUtf8(mutate(c.commandLine.toUtf8(), rng).replace('\0', ' '));
        } else {
            c.input = static_cast<int>(pick);
            c.folderInstead = p.inputs[pick].kind == Kind::File && rng() % 40 == 0;
        }
        c.seed = static_cast<unsigned>(rng());
        cases.push_back(std::move(c));
    }
    return cases;
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString prepare(const Case& c, const CaseFolders& folders)
{
    const FuzzInput* damaged = c.damaged();
    for (const FuzzInput& input : c.program->inputs)
        if (&input != damaged)
            writeValid(input, folders, damaged && input.where == Where::Data && input.path == damaged->absentWhenDamaged);
    if (!damaged)
        return QStringLiteral("%1 bytes").arg(c.commandLine.size());
    Random rng(c.seed);
    switch (damaged->kind) {
    case Kind::File: return damageFile(*damaged, c, folders, rng);
    case Kind::Pictures: return damagePictures(*damaged, folders, rng);
    case Kind::Named: return damageNamed(*damaged, folders, rng);
    case Kind::ChildResults: {
        const QByteArray results = capped(mutate(damaged->sample, rng), kMaxFileBytes);
        installStandIn(folders, results);
        return QStringLiteral("%1 bytes").arg(results.size());
    }
    }
    return {};
}

} // namespace fuzz
