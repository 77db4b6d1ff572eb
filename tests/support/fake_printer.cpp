// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_printer.h"

#include "platform/qt_printer.h"

#include <QFont>

namespace testing_support {

namespace {

constexpr double kTwipsPerCm = 1440 / 2.54;

QString cm(double value)
{
    return QString::number(value, 'f', 1);
}

QFont fontOf(const QString& name, double points, bool bold)
{
    QFont font(name);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void FakePrinter::record(const QString& operation, const QString& entry)
{
    if (failing.contains(operation))
        throw platform::PrinterError(operation.toStdString() + " refused");
    log.append(entry);
}

double FakePrinter::toCm(double value) const
{
    return scale == platform::ScaleMode::Centimetres ? value : value / kTwipsPerCm;
}

std::vector<PrintedItem> FakePrinter::printedItems() const
{
    std::vector<PrintedItem> items;
    for (const PrintedDocument& document : documents)
        for (const PrintedPage& page : document.pages)
            items.insert(items.end(), page.begin(), page.end());
    return items;
}

int FakePrinter::paperSize() const
{
    return paper;
}

platform::Orientation FakePrinter::orientation() const
{
    return orientationValue;
}

void FakePrinter::setOrientation(platform::Orientation value)
{
    record(QStringLiteral("setOrientation"),
           QStringLiteral("setOrientation %1").arg(static_cast<int>(value)));
    if (!orientationStuck)
        orientationValue = value;
}

platform::ScaleMode FakePrinter::scaleMode() const
{
    return scale;
}

void FakePrinter::setScaleMode(platform::ScaleMode mode)
{
    record(QStringLiteral("setScaleMode"),
           QStringLiteral("setScaleMode %1").arg(static_cast<int>(mode)));
    scale = mode;
}

platform::ColorMode FakePrinter::colorMode() const
{
    return color;
}

void FakePrinter::setColorMode(platform::ColorMode mode)
{
    record(QStringLiteral("setColorMode"),
           QStringLiteral("setColorMode %1").arg(static_cast<int>(mode)));
    color = mode;
}

int FakePrinter::printQuality() const
{
    return quality;
}

void FakePrinter::setPrintQuality(int value)
{
    record(QStringLiteral("setPrintQuality"), QStringLiteral("setPrintQuality %1").arg(value));
    quality = value;
}

QString FakePrinter::fontName() const
{
    return font;
}

void FakePrinter::setFontName(const QString& name)
{
    record(QStringLiteral("setFontName"), QStringLiteral("setFontName ") + name);
    font = name;
}

double FakePrinter::fontSize() const
{
    return size;
}

void FakePrinter::setFontSize(double points)
{
    record(QStringLiteral("setFontSize"), QStringLiteral("setFontSize %1").arg(points));
    size = points;
}

bool FakePrinter::fontBold() const
{
    return bold;
}

void FakePrinter::setFontBold(bool value)
{
    record(QStringLiteral("setFontBold"), QStringLiteral("setFontBold %1").arg(value ? 1 : 0));
    bold = value;
}

double FakePrinter::currentX() const
{
    return x;
}

double FakePrinter::currentY() const
{
    return y;
}

void FakePrinter::setCurrentX(double value)
{
    x = value;
}

void FakePrinter::setCurrentY(double value)
{
    y = value;
}

double FakePrinter::textWidth(const QString& text) const
{
    const double width = platform::printedTextSizeCm(fontOf(font, size, bold), text).width();
    return scale == platform::ScaleMode::Centimetres ? width : width * kTwipsPerCm;
}

double FakePrinter::textHeight(const QString& text) const
{
    const double height = platform::printedTextSizeCm(fontOf(font, size, bold), text).height();
    return scale == platform::ScaleMode::Centimetres ? height : height * kTwipsPerCm;
}

void FakePrinter::beginDocument()
{
    if (open_)
        return;
    open_ = true;
    current_ = PrintedDocument{{PrintedPage{}}, orientationValue, color, quality};
}

void FakePrinter::print(const QString& text)
{
    record(QStringLiteral("print"),
           QStringLiteral("print %1 %2 %3").arg(cm(toCm(x)), cm(toCm(y)), text));
    beginDocument();
    PrintedItem item{PrintedItem::Kind::Text, toCm(x), toCm(y), text, {}, font, size, bold};
    current_.pages.back().push_back(item);
    x = 0;
    y += textHeight(text);
}

void FakePrinter::paintPicture(const QImage& picture, double left, double top)
{
    record(QStringLiteral("paintPicture"), QStringLiteral("paintPicture %1 %2 %3x%4")
                                               .arg(cm(toCm(left)), cm(toCm(top)))
                                               .arg(picture.width())
                                               .arg(picture.height()));
    if (picture.isNull())
        throw platform::PrinterError("no picture to paint");
    beginDocument();
    current_.pages.back().push_back(PrintedItem{
        .kind = PrintedItem::Kind::Picture, .x = toCm(left), .y = toCm(top), .picture = picture});
}

void FakePrinter::newPage()
{
    record(QStringLiteral("newPage"));
    beginDocument();
    current_.pages.emplace_back();
    x = 0;
    y = 0;
}

void FakePrinter::endDoc()
{
    record(QStringLiteral("endDoc"));
    if (open_)
        documents.push_back(current_);
    open_ = false;
    x = 0;
    y = 0;
}

void FakePrinter::killDoc()
{
    record(QStringLiteral("killDoc"));
    if (open_)
        killed.push_back(current_);
    open_ = false;
    x = 0;
    y = 0;
}

void FakePrinter::setDataFolder(const QString& folder)
{
    dataFolder = folder;
}

} // namespace testing_support
