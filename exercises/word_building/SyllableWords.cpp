#include "SyllableWords.h"

#include "WordTable.h"

#include "GetOwnWords.h"

#include <map>

namespace {

// Initial-letter groups of word numbers; some hold words of another initial.
const std::map<QString, std::vector<int>>& initialGroups()
{
    static const std::map<QString, std::vector<int>> groups{
        {"A", {47, 12, 43}},
        {"B", {2, 6, 25}},
        {"E", {23, 24, 38}},
        {"F", {3, 4, 1}},
        {"G", {46, 49, 26, 22}},
        {"H", {5, 39, 9}},
        {"I", {19, 12, 14}},
        {"K", {1, 7, 27, 28}},
        {"L", {8, 12, 21}},
        {"N", {13, 2, 17}},
        {"P", {14, 29, 12}},
        {"R", {9, 15, 30, 31, 44}},
        {"S", {10, 41, 43, 45, 48}},
        {"T", {11, 20, 32, 33, 34}},
        {"V", {16, 36, 40}},
        {"W", {17, 18, 21, 37}},
        {"Z", {42, 35, 45}},
    };
    return groups;
}

} // namespace

SyllableWords::SyllableWords() : words_(readWordTable(QStringLiteral("silben")))
{
    config = {.program = QStringLiteral("baudromsilben"),
              .appTitle = QStringLiteral("QL Baudrom 2"),
              .logTitle = QStringLiteral("Baudrom (Silben)"),
              .helpMapId = 5,
              .backdropController = true};
    caption = QStringLiteral("QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü");
    slotCount = 6;
    designLefts = {390, 1470, 2550, 3630, 4710, 5880};
    levels = {{{1, QStringLiteral("WLeicht"), QStringLiteral("&Dreisilbige Wörter"),
                QStringLiteral("Wörter mit drei Silben"), kAll - kLonger, kLonger},
               {2, QStringLiteral("WSchwer"), QStringLiteral("&Vier- und mehrsilbige Wörter"),
                QStringLiteral("Wörter mit vier oder mehr Silben"), kLonger, 0},
               {0, QStringLiteral("WAlle"), QStringLiteral("&Alle Wörter"), QStringLiteral("alle Wörter"), kAll, 0}}};
    ownMenuCaption = QStringLiteral("Wörter mit eigenen &Bildern");
    ownDialogCaption = QStringLiteral("Wörter mit eigenen Bildern");
    ownFolder = QStringLiteral("EigeneBilder/Baudrom/Silben");
    syllables = true;
}

QStringList SyllableWords::split(const QString& word) const
{
    QStringList pieces;
    for (const QString& piece : word.split(QLatin1Char('-'))) {
        if (piece.isEmpty())
            break;
        pieces.append(piece);
    }
    // No slot beyond the last: it holds the rest of the word.
    while (pieces.size() > slotCount)
        pieces[slotCount - 1] += pieces.takeAt(slotCount);
    return pieces;
}

QStringList SyllableWords::tiles(int n, bool) const
{
    return split(words_.value(n - 1));
}

QStringList SyllableWords::ownTiles(const GetOwnWords& source, bool) const
{
    return split(source.Wortname());
}

int SyllableWords::slotWidth(const QString&, int textWidthTwips) const
{
    return (textWidthTwips + 300) / 15 * 15;
}

std::vector<int> SyllableWords::group(int n) const
{
    const auto found = initialGroups().find(words_.value(n - 1).left(1).toUpper());
    return found == initialGroups().end() ? std::vector<int>{} : found->second;
}

QString SyllableWords::picturePath(int n) const
{
    return QStringLiteral(":/syllables/%1.bmp").arg(100 + n);
}

QString SyllableWords::pictureTag(int n) const
{
    return QString::number(n);
}

bool SyllableWords::isRight(const QString& tag, int n, const QString&) const
{
    return tag.toInt() == n;
}
