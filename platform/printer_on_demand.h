// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <memory>

namespace platform {

// The program's printer: opens the printer module at its first use and passes every call on.
// A missing or broken module is a PrinterError, as any other printer failure.
class PrinterOnDemand : public Printer {
public:
    PrinterOnDemand();
    ~PrinterOnDemand() override;

    int paperSize() const override { return real().paperSize(); }
    Orientation orientation() const override { return real().orientation(); }
    void setOrientation(Orientation orientation) override { real().setOrientation(orientation); }
    ScaleMode scaleMode() const override { return real().scaleMode(); }
    void setScaleMode(ScaleMode mode) override { real().setScaleMode(mode); }
    ColorMode colorMode() const override { return real().colorMode(); }
    void setColorMode(ColorMode mode) override { real().setColorMode(mode); }
    int printQuality() const override { return real().printQuality(); }
    void setPrintQuality(int quality) override { real().setPrintQuality(quality); }

    QString fontName() const override { return real().fontName(); }
    void setFontName(const QString& name) override { real().setFontName(name); }
    double fontSize() const override { return real().fontSize(); }
    void setFontSize(double points) override { real().setFontSize(points); }
    bool fontBold() const override { return real().fontBold(); }
    void setFontBold(bool bold) override { real().setFontBold(bold); }

    double currentX() const override { return real().currentX(); }
    double currentY() const override { return real().currentY(); }
    void setCurrentX(double x) override { real().setCurrentX(x); }
    void setCurrentY(double y) override { real().setCurrentY(y); }

    double textWidth(const QString& text) const override { return real().textWidth(text); }
    double textHeight(const QString& text) const override { return real().textHeight(text); }

    void print(const QString& text) override { real().print(text); }
    void paintPicture(const QImage& picture, double x, double y) override
    {
        real().paintPicture(picture, x, y);
    }
    void newPage() override { real().newPage(); }
    void endDoc() override { real().endDoc(); }
    void killDoc() override { real().killDoc(); }

    void setDataFolder(const QString& folder) override { real().setDataFolder(folder); }

private:
    Printer& real() const;

    mutable std::unique_ptr<Printer> real_;
};

} // namespace platform
