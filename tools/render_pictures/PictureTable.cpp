// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/PictureTable.h"

#include <QFile>
#include <QTextStream>
#include <stdexcept>

namespace {

// Calls rowHandler(fields, lineNumber) for every data line of a UTF-8 table.
template <typename Handler>
void forEachRow(const QString& path, Handler rowHandler)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + path.toStdString());
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        rowHandler(line.split(u'\t'), lineNumber);
    }
}

[[noreturn]] void malformed(const QString& path, int lineNumber)
{
    throw std::runtime_error(QStringLiteral("%1:%2: malformed row").arg(path).arg(lineNumber).toStdString());
}

// Rows of exactly two fields, in the order of the row's two members.
template <typename Row>
std::vector<Row> readTwoFieldRows(const QString& path)
{
    std::vector<Row> rows;
    forEachRow(path, [&](const QStringList& fields, int lineNumber) {
        if (fields.size() != 2)
            malformed(path, lineNumber);
        rows.push_back({fields[0].trimmed(), fields[1].trimmed()});
    });
    return rows;
}

} // namespace

std::vector<PictureRow> readPictureRows(const QString& path)
{
    return readTwoFieldRows<PictureRow>(path);
}

std::vector<KeyRow> readKeyRows(const QString& path)
{
    return readTwoFieldRows<KeyRow>(path);
}

std::vector<DesignRow> readDesignRows(const QString& path)
{
    std::vector<DesignRow> rows;
    forEachRow(path, [&](const QStringList& fields, int lineNumber) {
        const QStringList size = fields.value(1).split(u'x');
        if (fields.size() < 3 || size.size() != 2)
            malformed(path, lineNumber);
        rows.push_back({fields[0].trimmed(), QSize(size[0].toInt(), size[1].toInt()), fields[2].trimmed(),
                        fields.value(3).trimmed()});
    });
    return rows;
}

QStringList readWordList(const QString& path)
{
    QStringList words;
    forEachRow(path, [&](const QStringList& fields, int) { words << fields[0].trimmed(); });
    return words;
}

std::vector<Board> readBoards(const QString& assetsDir)
{
    const QString path = assetsDir + "/boards.tsv";
    std::vector<Board> boards;
    forEachRow(path, [&](const QStringList& fields, int lineNumber) {
        if (fields.size() != 2 || fields[1].trimmed().isEmpty())
            malformed(path, lineNumber);
        Board board{fields[0].trimmed(), {}};
        for (const QString& file : fields[1].split(u' ', Qt::SkipEmptyParts)) {
            const QString source = assetsDir + "/" + file;
            if (file.endsWith(QStringLiteral(".tsv"))) {
                for (const KeyRow& key : readKeyRows(source))
                    board.words << key.word;
            } else {
                for (const QString& word : readWordList(source))
                    board.words << QString(word).remove(u'-');
            }
        }
        board.words.removeDuplicates();
        boards.push_back(board);
    });
    return boards;
}
