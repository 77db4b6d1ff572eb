// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QPrinterInfo>
#include <QSizeF>

#include <memory>

class QPainter;
class QPrinter;

namespace platform {

// Width and height of a line of text on paper, in centimetres.
QSizeF printedTextSizeCm(const QFont& font, const QString& text);

struct Services;

// The printer on QPrinter: the system's default printer, or, on a machine without one, a PDF
// file on A4 in the data folder's "Ausdrucke" folder, named by program, date and time. It reaches
// the clock and the message boxes through the services given: the printer module has no
// services() of its own.
class QtPrinter : public Printer {
public:
    enum class Output { SystemOrPdf, Pdf };
    explicit QtPrinter(Services& services, Output output = Output::SystemOrPdf);
    ~QtPrinter() override;

    int paperSize() const override;
    Orientation orientation() const override { return orientation_; }
    void setOrientation(Orientation orientation) override { orientation_ = orientation; }
    ScaleMode scaleMode() const override { return scaleMode_; }
    void setScaleMode(ScaleMode mode) override { scaleMode_ = mode; }
    ColorMode colorMode() const override { return colorMode_; }
    void setColorMode(ColorMode mode) override { colorMode_ = mode; }
    int printQuality() const override { return quality_; }
    void setPrintQuality(int quality) override;

    QString fontName() const override { return font_.family(); }
    void setFontName(const QString& name) override;
    double fontSize() const override { return font_.pointSizeF(); }
    void setFontSize(double points) override;
    bool fontBold() const override { return font_.bold(); }
    void setFontBold(bool bold) override;

    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;

    void print(const QString& text) override;
    void paintPicture(const QImage& picture, double x, double y) override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    void setDataFolder(const QString& folder) override { dataFolder_ = folder; }

    // The file of the last document written as PDF; empty before the first.
    QString lastPdfFile() const { return lastPdf_; }
    // Dots per inch of a quality code; a resolution stands for itself.
    static int resolutionFor(int quality);

private:
    QPrinterInfo systemPrinter() const;
    void beginDocument();
    QString newPdfFile() const;
    double unitsPerCm() const;
    double deviceUnitsPerUnit() const;
    void endPainting();

    Services& services_;
    Output output_;
    Orientation orientation_ = Orientation::Portrait;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    ColorMode colorMode_ = ColorMode::Color;
    int quality_ = kQualityHigh;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
    QString dataFolder_;
    QString pdfFile_;
    QString lastPdf_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace platform
