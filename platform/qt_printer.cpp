// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_printer.h"

#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <map>

namespace platform {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kTwipsPerCm = 1440 / kCmPerInch;
constexpr double kPicturePixelsPerInch = 96;
// Text is measured at a fixed fine resolution so measuring needs no open document.
constexpr double kMeasureDpi = 1200;

// The codes the programs know, by Qt page size.
int paperCode(QPageSize::PageSizeId id)
{
    static const std::map<QPageSize::PageSizeId, int> codes = {
        {QPageSize::Letter, 1}, {QPageSize::Tabloid, 3}, {QPageSize::Legal, 5},
        {QPageSize::Executive, 7}, {QPageSize::A3, 8}, {QPageSize::A4, kPaperA4},
        {QPageSize::A5, 11}, {QPageSize::B5, 13}, {QPageSize::Envelope10, 20}};
    const auto it = codes.find(id);
    return it == codes.end() ? 256 : it->second;
}

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// Qt's PDF writer reports success whatever reached the disk: a full disk leaves a file that is
// empty or cut short. A whole PDF ends with its end-of-file marker.
bool wholePdf(const QString& path)
{
    QFile file(path);
    constexpr qint64 kTail = 32;
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(qMax<qint64>(0, file.size() - kTail)))
        return false;
    return file.read(kTail).contains("%%EOF");
}

} // namespace

QSizeF printedTextSizeCm(const QFont& font, const QString& text)
{
    QFont measured = font;
    measured.setPixelSize(qMax(1, qRound(font.pointSizeF() * kMeasureDpi / 72)));
    const QFontMetricsF metrics(measured);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / kMeasureDpi * kCmPerInch;
}

QtPrinter::QtPrinter(Services& services, Output output)
    : services_(services), output_(output), font_(QStringLiteral("Arial"), 10) {}

QtPrinter::~QtPrinter()
{
    if (painter_)
        killDoc();
}

int QtPrinter::resolutionFor(int quality)
{
    switch (quality) {
    case kQualityDraft: return 150;
    case kQualityLow: return 300;
    case kQualityMedium: return 600;
    case kQualityHigh: return 1200;
    default: return quality;
    }
}

QPrinterInfo QtPrinter::systemPrinter() const
{
    return output_ == Output::Pdf ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
}

int QtPrinter::paperSize() const
{
    const QPrinterInfo info = systemPrinter();
    return info.isNull() ? kPaperA4 : paperCode(info.defaultPageSize().id());
}

void QtPrinter::setPrintQuality(int quality)
{
    if (quality == 0 || quality < kQualityHigh)
        throw PrinterError("unknown print quality " + std::to_string(quality));
    quality_ = quality;
}

void QtPrinter::setFontName(const QString& name)
{
    font_.setFamily(name);
}

void QtPrinter::setFontSize(double points)
{
    if (points <= 0)
        throw PrinterError("font size must be positive");
    font_.setPointSizeF(points);
}

void QtPrinter::setFontBold(bool bold)
{
    font_.setBold(bold);
}

double QtPrinter::unitsPerCm() const
{
    return scaleMode_ == ScaleMode::Centimetres ? 1.0 : kTwipsPerCm;
}

double QtPrinter::deviceUnitsPerUnit() const
{
    return printer_->resolution() / kCmPerInch / unitsPerCm();
}

double QtPrinter::textWidth(const QString& text) const
{
    return printedTextSizeCm(font_, text).width() * unitsPerCm();
}

double QtPrinter::textHeight(const QString& text) const
{
    return printedTextSizeCm(font_, text).height() * unitsPerCm();
}

QString QtPrinter::newPdfFile() const
{
    const QDir folder(QDir(dataFolder_).filePath(QStringLiteral("Ausdrucke")));
    if (!folder.mkpath(QStringLiteral(".")))
        throw PrinterError("cannot create " + folder.path().toStdString());
    const QString stem = programName() + QLatin1Char('_') +
                         services_.clock->now().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString file = folder.absoluteFilePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = folder.absoluteFilePath(stem + QStringLiteral("_%1.pdf").arg(n));
    return file;
}

void QtPrinter::beginDocument()
{
    if (painter_)
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinterInfo info = systemPrinter();
    QString pdf;
    if (info.isNull()) {
        pdf = newPdfFile();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
    } else {
        printer->setPrinterName(info.printerName());
    }
    printer->setDocName(programName());
    printer->setFullPage(true);
    printer->setResolution(resolutionFor(quality_));
    printer->setPageOrientation(orientation_ == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    printer->setColorMode(colorMode_ == ColorMode::Color ? QPrinter::Color : QPrinter::GrayScale);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get()))
        throw PrinterError("the printer does not start a document");
    printer_ = std::move(printer);
    painter_ = std::move(painter);
    pdfFile_ = pdf;
}

void QtPrinter::print(const QString& text)
{
    beginDocument();
    const double scale = deviceUnitsPerUnit();
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    const QFontMetricsF metrics(font_, printer_.get());
    painter_->drawText(QPointF(x_ * scale, y_ * scale + metrics.ascent()), text);
    x_ = 0;
    y_ += textHeight(text);
}

void QtPrinter::paintPicture(const QImage& picture, double x, double y)
{
    if (picture.isNull())
        throw PrinterError("no picture to paint");
    beginDocument();
    const double scale = deviceUnitsPerUnit();
    const double perPixel = kCmPerInch / kPicturePixelsPerInch * unitsPerCm() * scale;
    painter_->drawImage(QRectF(x * scale, y * scale, picture.width() * perPixel,
                               picture.height() * perPixel),
                        picture);
}

void QtPrinter::newPage()
{
    beginDocument();
    if (!printer_->newPage())
        throw PrinterError("the printer does not start a new page");
    x_ = 0;
    y_ = 0;
}

void QtPrinter::endPainting()
{
    painter_.reset();
    printer_.reset();
    x_ = 0;
    y_ = 0;
}

void QtPrinter::endDoc()
{
    if (!painter_)
        return;
    const bool written = painter_->end();
    const QString pdf = pdfFile_;
    endPainting();
    if (!written)
        throw PrinterError("the document was not sent");
    if (pdf.isEmpty())
        return;
    if (!wholePdf(pdf)) {
        QFile::remove(pdf);
        throw PrinterError("the PDF file could not be written");
    }
    lastPdf_ = pdf;
    services_.messages->show(QStringLiteral("Es ist kein Drucker eingerichtet. Der Ausdruck wurde als "
                                            "PDF-Datei gespeichert:\n%1")
                                 .arg(QDir::toNativeSeparators(pdf)),
                             MessageButtons::Ok, MessageIcon::Information);
}

void QtPrinter::killDoc()
{
    if (!painter_)
        return;
    printer_->abort();
    painter_->end();
    const QString pdf = pdfFile_;
    endPainting();
    if (!pdf.isEmpty())
        QFile::remove(pdf);
}

} // namespace platform
