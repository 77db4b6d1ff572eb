// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

// A picture name with the description of its picture (see assets/pictures.tsv).
struct PictureRow {
    QString name;
    QString picture;
};

// A key of an initial-sound keyboard: its sound and the word whose picture it shows.
struct KeyRow {
    QString sound;
    QString word;
};

// A picture of a window's own controls, written below design/ in the program folder.
struct DesignRow {
    QString file;
    QSize size;
    QString picture;
    QString label;
};

// Words whose pictures a child sees together or must tell apart: the words of one exercise.
struct Board {
    QString name;
    QStringList words; // as the pictures are named: syllable words without their "-"
};

// Reads the tab-separated asset tables; lines starting with '#' and empty lines are skipped.
// Each reader throws std::runtime_error naming the file and line of a malformed row.
std::vector<PictureRow> readPictureRows(const QString& path);
std::vector<KeyRow> readKeyRows(const QString& path);
std::vector<DesignRow> readDesignRows(const QString& path);
QStringList readWordList(const QString& path);
// Reads boards.tsv of the assets folder: a board's name, then the files, relative to that folder,
// that hold its words: word tables (one word a line) and key tables (the word in the second column).
std::vector<Board> readBoards(const QString& assetsDir);
