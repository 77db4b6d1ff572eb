// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/GetOwnWords.h"
#include "framework/SyllableSplit.h"

#include "platform/files.h"

#include <QDir>
#include <QImage>

namespace {

// The first letter in upper case: a name written "-ba-na-ne" still begins with a capital.
QString capitalized(QString word)
{
    for (QChar& c : word) {
        if (c != QLatin1Char('-')) {
            c = c.toUpper();
            break;
        }
    }
    return word;
}

} // namespace

void GetOwnWords::setPfad(const QString& p)
{
    QString folder = QDir::fromNativeSeparators(p);
    folder_ = QDir(folder).absolutePath() + QLatin1Char('/');
    Bildnamen.clear();
    current_ = 0;
    // Name filters match without regard to case, so Katze.BMP counts as well.
    const QFileInfoList files = QDir(folder_).entryInfoList({QStringLiteral("*.bmp")}, QDir::Files,
                                                            QDir::Name);
    for (const QFileInfo& file : files) {
        if (!QImage(file.filePath()).isNull())
            Bildnamen.append(file.fileName().chopped(4));
    }
    drawer_.setAnzahl(Anzahl());
}

void GetOwnWords::keepOnly(const std::function<bool(const QStringList& blocks)>& keep)
{
    QStringList kept;
    for (current_ = 0; current_ < Anzahl(); ++current_)
        if (keep(Bausteine()))
            kept.append(Bildnamen.at(current_));
    Bildnamen = kept;
    current_ = 0;
    drawer_.setAnzahl(Anzahl());
}

void GetOwnWords::Reset()
{
    drawer_.ClearArray();
}

void GetOwnWords::Continue()
{
    current_ = drawer_.ZufallsZahl() - 1;
}

QString GetOwnWords::Bildpfad() const
{
    if (Anzahl() < 1)
        return {};
    // The file may be named "Katze.BMP".
    return platform::resolveNoCase(folder_.chopped(1), Bildnamen.at(current_) + QStringLiteral(".bmp"));
}

QString GetOwnWords::Wortname() const
{
    if (Anzahl() < 1)
        return {};
    return capitalized(Bildnamen.at(current_).toLower());
}

QStringList GetOwnWords::Bausteine() const
{
    if (Anzahl() < 1)
        return {};
    const QString s = Bildnamen.at(current_).toLower();
    // Syllables: a word with more than nine keeps the rest in the last block.
    QStringList blocks = silben_ ? splitSyllables(s, kBlocks) : letterBlocks(s);
    while (blocks.size() < kBlocks)
        blocks.append(QString());
    blocks[0] = capitalized(blocks[0]);
    return blocks;
}

// Letters, with "sch", "ei", "au" and "ch" as one block each; hyphens are skipped.
QStringList GetOwnWords::letterBlocks(QString s) const
{
    static const QStringList kClusters{QStringLiteral("sch"), QStringLiteral("ei"),
                                       QStringLiteral("au"), QStringLiteral("ch")};
    QStringList blocks;
    while (!s.isEmpty() && blocks.size() < kBlocks) {
        if (s.startsWith(QLatin1Char('-'))) {
            s.remove(0, 1);
            continue;
        }
        qsizetype length = 1;
        for (const QString& cluster : kClusters) {
            if (s.startsWith(cluster)) {
                length = cluster.size();
                break;
            }
        }
        blocks.append(s.left(length));
        s.remove(0, length);
    }
    return blocks;
}
