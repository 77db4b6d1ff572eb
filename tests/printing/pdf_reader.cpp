// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/printing/pdf_reader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QXmlStreamReader>

namespace pdf_reader {

namespace {

constexpr double kCmPerPoint = 2.54 / 72;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString info(const QString& file)
{
    return run(QStringLiteral("pdfinfo"), {file});
}

} // namespace

int pageCount(const QString& file)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info(file));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QSizeF pageSize(const QString& file)
{
    const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                           .match(info(file));
    if (!match.hasMatch())
        return {};
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) * kCmPerPoint;
}

QString pageText(const QString& file, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"), {"-f", n, "-l", n, "-layout", file, "-"});
}

std::vector<Word> words(const QString& file)
{
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {"-bbox", file, "-"}));
    std::vector<Word> result;
    int page = 0;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            const QRectF box(QPointF(a.value("xMin").toDouble(), a.value("yMin").toDouble()) * kCmPerPoint,
                             QPointF(a.value("xMax").toDouble(), a.value("yMax").toDouble()) * kCmPerPoint);
            result.push_back({xml.readElementText(), page, box});
        }
    }
    return result;
}

QSet<QString> wordTexts(const QString& file)
{
    QSet<QString> texts;
    for (const Word& word : words(file))
        texts.insert(word.text);
    return texts;
}

std::vector<double> imagePpi(const QString& file)
{
    // Columns: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const QStringList lines = run(QStringLiteral("pdfimages"), {"-list", file}).split('\n');
    std::vector<double> result;
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        if (columns.size() > 12 && columns[2] == QLatin1String("image"))
            result.push_back(columns[12].toDouble());
    }
    return result;
}

} // namespace pdf_reader
