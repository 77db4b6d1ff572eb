// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace testing_support {

// Something put on paper, with its place in centimetres from the paper's corner.
struct PrintedItem {
    enum class Kind { Text, Picture };
    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    QString text = {};      // Text
    QImage picture = {};    // Picture
    QString fontName = {};  // Text
    double fontSize = 0;    // Text
    bool bold = false;      // Text
};

using PrintedPage = std::vector<PrintedItem>;

struct PrintedDocument {
    std::vector<PrintedPage> pages;
    platform::Orientation orientation;
    platform::ColorMode colorMode;
    int quality;
};

// Records every operation; settings behave as on a printer that accepts them, unless scripted.
class FakePrinter : public platform::Printer {
public:
    int paper = platform::kPaperA4;
    platform::Orientation orientationValue = platform::Orientation::Portrait;
    platform::ScaleMode scale = platform::ScaleMode::Twips;
    platform::ColorMode color = platform::ColorMode::Color;
    int quality = platform::kQualityHigh;
    QString font = QStringLiteral("Arial");
    double size = 10;
    bool bold = false;
    double x = 0;   // in the scale unit
    double y = 0;
    QString dataFolder;

    // Operations by name ("setOrientation", "setPrintQuality", "paintPicture", ...) that throw.
    QStringList failing;
    // The printer keeps this orientation whatever is asked.
    bool orientationStuck = false;

    // Every call, in order, with positions in centimetres: "setOrientation 2",
    // "print 6.6 2.2 Affe", "paintPicture 2.2 2.2 100x100", "newPage", "endDoc", "killDoc".
    QStringList log;
    std::vector<PrintedDocument> documents;   // sent by endDoc
    std::vector<PrintedDocument> killed;      // dropped by killDoc
    bool documentOpen() const { return open_; }
    const std::vector<PrintedPage>& openPages() const { return current_.pages; }
    // Every item of the sent documents, in order.
    std::vector<PrintedItem> printedItems() const;

    int paperSize() const override;
    platform::Orientation orientation() const override;
    void setOrientation(platform::Orientation orientation) override;
    platform::ScaleMode scaleMode() const override;
    void setScaleMode(platform::ScaleMode mode) override;
    platform::ColorMode colorMode() const override;
    void setColorMode(platform::ColorMode mode) override;
    int printQuality() const override;
    void setPrintQuality(int value) override;
    QString fontName() const override;
    void setFontName(const QString& name) override;
    double fontSize() const override;
    void setFontSize(double points) override;
    bool fontBold() const override;
    void setFontBold(bool value) override;
    double currentX() const override;
    double currentY() const override;
    void setCurrentX(double value) override;
    void setCurrentY(double value) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void print(const QString& text) override;
    void paintPicture(const QImage& picture, double left, double top) override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;
    void setDataFolder(const QString& folder) override;

private:
    void record(const QString& operation, const QString& entry);
    void record(const QString& operation) { record(operation, operation); }
    double toCm(double value) const;
    void beginDocument();

    bool open_ = false;
    PrintedDocument current_{};
};

} // namespace testing_support
