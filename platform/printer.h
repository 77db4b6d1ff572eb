// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

namespace platform {

// A setting or an output the printer refuses. The message names what was refused; the
// programs show their own texts.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Paper size codes as the programs test them.
constexpr int kPaperA4 = 9;

enum class Orientation { Portrait = 1, Landscape = 2 };
enum class ColorMode { Monochrome = 1, Color = 2 };
// Units of positions and sizes: twips (the printer's initial unit) or centimetres.
enum class ScaleMode { Twips = 1, Centimetres = 7 };

// Print quality codes; any positive value is a resolution in dots per inch.
constexpr int kQualityDraft = -1;
constexpr int kQualityLow = -2;
constexpr int kQualityMedium = -3;
constexpr int kQualityHigh = -4;

// The process-wide printer. A document begins with the first output and is sent by endDoc();
// settings apply to the next document. Positions are in the scale unit, measured from the
// top-left corner of the paper; text is placed by its top edge.
class Printer {
public:
    virtual ~Printer() = default;

    virtual int paperSize() const = 0;
    virtual Orientation orientation() const = 0;
    // May refuse (throws PrinterError) or keep the old value; read it back to know.
    virtual void setOrientation(Orientation orientation) = 0;
    virtual ScaleMode scaleMode() const = 0;
    virtual void setScaleMode(ScaleMode mode) = 0;
    virtual ColorMode colorMode() const = 0;
    virtual void setColorMode(ColorMode mode) = 0;
    virtual int printQuality() const = 0;
    virtual void setPrintQuality(int quality) = 0;

    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0;   // points
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool bold) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // Size of a line of text in the current font, in the scale unit.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // Prints at the current position; then the position moves to the left edge of the next line.
    virtual void print(const QString& text) = 0;
    // Paints with the top-left corner at (x, y), at the picture's own size (96 pixels an inch).
    virtual void paintPicture(const QImage& picture, double x, double y) = 0;
    virtual void newPage() = 0;
    // Sends the document to the printer (or writes it); nothing happens without output. A document
    // that could not be sent or written throws PrinterError.
    virtual void endDoc() = 0;
    // Drops the document being built.
    virtual void killDoc() = 0;

    // Where a document goes when the machine has no printer (a PDF file in its "Ausdrucke"
    // folder); the printer itself knows no data folder.
    virtual void setDataFolder(const QString& folder) = 0;
};

} // namespace platform
