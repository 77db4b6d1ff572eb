// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// Reads a PDF back with poppler's command line tools.
namespace pdf_reader {

struct Word {
    QString text;
    int page;       // from 1
    QRectF box;     // centimetres from the page's top-left corner
};

int pageCount(const QString& file);
// Width and height of the first page in centimetres.
QSizeF pageSize(const QString& file);
// The text of one page (from 1).
QString pageText(const QString& file, int page);
std::vector<Word> words(const QString& file);
// The texts of its words, each once.
QSet<QString> wordTexts(const QString& file);
// Pixels per inch of each placed image, in page order.
std::vector<double> imagePpi(const QString& file);

} // namespace pdf_reader
