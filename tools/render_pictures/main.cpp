// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the suite's pictures: word pictures, key pictures, initial-sound tables, control
// pictures and the syllable pictures that the syllable programs carry as resources.

#include "tools/render_pictures/BoardCheck.h"
#include "tools/render_pictures/GifWriter.h"
#include "tools/render_pictures/PictureGrid.h"
#include "tools/render_pictures/PictureRenderer.h"
#include "tools/render_pictures/PictureTable.h"
#include "tools/render_pictures/PngWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <iostream>
#include <map>
#include <stdexcept>

namespace {

constexpr QSize wordPictureSize(100, 100);
// The size the keyboards show a key's picture at (600 x 600 twips): the keys' pictures are also
// rendered at it, so a start decodes small pictures and scales none.
constexpr QSize keyShownSize(40, 40);

// The typewriter keyboard's rows, so the table reads like the keys the child sees.
const QStringList typewriterTable = {"A", "E", "O", "U", "I", "Au", "Ei", "",  "W", "B", "G", "D",
                                     "M", "L", "R", "H", "F", "P", "K", "T", "N", "S", "Z", "Sch"};
// The keys that only the free writing keyboard has.
const QStringList freeWritingExtras = {"J", "Ch"};

struct Paths {
    QString assets;
    QString out;
    QString resources;
    QString sheet;
};

struct Pictures {
    std::map<QString, QImage> byName; // key: the name in lower case
    std::vector<GridCell> sheet;
};

void makeFolderFor(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
}

void save(const QImage& image, const QString& path, const char* format)
{
    makeFolderFor(path);
    if (!image.save(path, format))
        throw std::runtime_error("cannot write " + path.toStdString());
}

const QImage& pictureOf(const Pictures& pictures, const QString& word)
{
    const auto found = pictures.byName.find(word.toLower());
    if (found == pictures.byName.end())
        throw std::runtime_error("no picture for " + word.toStdString() + " in pictures.tsv");
    return found->second;
}

Pictures renderWordPictures(const PictureRenderer& renderer, const std::vector<PictureRow>& rows)
{
    Pictures pictures;
    for (const PictureRow& row : rows) {
        QImage image = renderer.render(row.picture, wordPictureSize, Qt::white).convertToFormat(QImage::Format_RGB32);
        if (!pictures.byName.emplace(row.name.toLower(), image).second)
            throw std::runtime_error("pictures.tsv names " + row.name.toStdString() + " twice");
        pictures.sheet.push_back({image, row.name});
    }
    return pictures;
}

// Fails, naming them all, when two words that can stand on one board have pictures alike.
void checkBoards(const Pictures& pictures, const Paths& paths)
{
    const auto clashes = findClashes(readBoards(paths.assets),
                                     [&](const QString& word) -> const QImage& { return pictureOf(pictures, word); });
    if (clashes.empty())
        return;
    std::string message = "pictures a child cannot tell apart on one board:";
    for (const PictureClash& clash : clashes)
        message += "\n  " + clash.board.toStdString() + ": " + clash.first.toStdString() + " and "
                   + clash.second.toStdString();
    throw std::runtime_error(message);
}

void saveWordPictures(const Pictures& pictures, const std::vector<PictureRow>& rows, const Paths& paths)
{
    for (const PictureRow& row : rows)
        save(pictureOf(pictures, row.name), paths.out + "/" + row.name + ".bmp", "BMP");
}

QString tableCaption(const QString& sound, bool capitals)
{
    if (sound == QLatin1String("Ch"))
        return capitals ? QStringLiteral("-CH") : QStringLiteral("-ch");
    return capitals ? sound.toUpper() : sound + "  " + sound.toLower();
}

QImage initialSoundTable(const std::map<QString, QImage>& keys, const QStringList& sounds, bool capitals)
{
    std::vector<GridCell> cells;
    for (const QString& sound : sounds)
        cells.push_back(sound.isEmpty() ? GridCell{} : GridCell{keys.at(sound), tableCaption(sound, capitals)});
    return pictureGrid(cells, GridStyle{});
}

void renderKeys(Pictures& pictures, const Paths& paths)
{
    std::map<QString, QImage> keys;
    for (const KeyRow& key : readKeyRows(paths.assets + "/keys.tsv")) {
        keys[key.sound] = pictureOf(pictures, key.word);
        pictures.sheet.push_back({keys[key.sound], "Taste " + key.sound + " (" + key.word + ")"});
        if (paths.out.isEmpty())
            continue;
        save(keys[key.sound], paths.out + "/keys/" + key.sound + ".bmp", "BMP");
        save(keys[key.sound].scaled(keyShownSize, Qt::KeepAspectRatio, Qt::SmoothTransformation),
             QStringLiteral("%1/keys/%2x%3/%4.bmp")
                 .arg(paths.out).arg(keyShownSize.width()).arg(keyShownSize.height()).arg(key.sound),
             "BMP");
    }
    if (paths.out.isEmpty())
        return;
    writeGif(initialSoundTable(keys, typewriterTable, false), paths.out + "/Tabelle.gif");
    writeGif(initialSoundTable(keys, typewriterTable, true), paths.out + "/TabelleGr.gif");
    writeGif(initialSoundTable(keys, freeWritingExtras, false), paths.out + "/Tabelle2.gif");
    writeGif(initialSoundTable(keys, freeWritingExtras, true), paths.out + "/Tabelle2Gr.gif");
}

QImage designPicture(const PictureRenderer& renderer, const DesignRow& row)
{
    if (row.label.isEmpty())
        return renderer.render(row.picture, row.size, Qt::transparent);
    QImage image(row.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    const int side = row.size.height();
    renderer.paint(painter, row.picture, QRectF(2, 2, side - 4, side - 4));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(side * 11 / 20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x21, 0x21, 0x21));
    painter.drawText(QRect(side, 0, row.size.width() - side, side), Qt::AlignCenter, row.label);
    return image;
}

void renderDesign(const PictureRenderer& renderer, Pictures& pictures, const Paths& paths)
{
    for (const DesignRow& row : readDesignRows(paths.assets + "/design.tsv")) {
        const QImage image = designPicture(renderer, row);
        pictures.sheet.push_back({image, row.file});
        if (!paths.out.isEmpty()) {
            const QString path = paths.out + "/design/" + row.file;
            makeFolderFor(path);
            writeStoredPng(image, path);
        }
    }
}

// Word n of the syllable table becomes resource 100 + n.
void renderSyllableResources(const Pictures& pictures, const Paths& paths)
{
    const QStringList words = readWordList(paths.assets + "/tables/silben.txt");
    for (int n = 1; n <= words.size(); ++n) {
        const QString word = QString(words[n - 1]).remove(u'-');
        save(pictureOf(pictures, word), QStringLiteral("%1/%2.bmp").arg(paths.resources).arg(100 + n), "BMP");
    }
}

Paths parseArguments(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the pictures of the Tavoro program folder."));
    parser.addHelpOption();
    const QCommandLineOption assets("assets", "Folder of pictures.tsv, keys.tsv, design.tsv, tables/.", "dir",
                                    QStringLiteral(TAVORO_ASSETS_DIR));
    const QCommandLineOption out("out", "Program folder to write the pictures into.", "dir");
    const QCommandLineOption resources("resources", "Folder for the syllable pictures 101..149.bmp.", "dir");
    const QCommandLineOption sheet("sheet", "Write a contact sheet of all pictures to this PNG file.", "file");
    parser.addOptions({assets, out, resources, sheet});
    parser.process(app);
    return {parser.value(assets), parser.value(out), parser.value(resources), parser.value(sheet)};
}

void run(const Paths& paths)
{
    const PictureRenderer renderer;
    const std::vector<PictureRow> rows = readPictureRows(paths.assets + "/pictures.tsv");
    Pictures pictures = renderWordPictures(renderer, rows);
    checkBoards(pictures, paths);
    if (!paths.out.isEmpty())
        saveWordPictures(pictures, rows, paths);
    renderKeys(pictures, paths);
    renderDesign(renderer, pictures, paths);
    if (!paths.resources.isEmpty())
        renderSyllableResources(pictures, paths);
    if (!paths.sheet.isEmpty())
        save(pictureGrid(pictures.sheet, GridStyle{16, QSize(124, 136), 13, false}), paths.sheet, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    try {
        run(parseArguments(app));
    } catch (const std::exception& error) {
        std::cerr << "render_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
