// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform {

// The suite's help pages (HTML, one per map id) in a window of the program's own, so help shows
// wherever the programs run, with or without a desktop's browser. A plain top-level window: it
// never holds up the program's end, and it is not counted when the program's last window closes.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the page and brings the window to the front, above the windows shown so far.
    void showPage(const QString& path, bool onTop);

    QTextBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* closeButton() const { return close_; }

private:
    void follow(const QUrl& link);
    void bringToFront();

    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* close_;
    bool placed_ = false;
};

// One help window per program, made at the first call and reused by every later one.
class RealHelpViewer : public HelpViewer {
public:
    ~RealHelpViewer() override;
    // A help file whose name ends in "_Top" (the programs choose it when their windows stay on
    // top or above a backdrop) opens the window on top of the others too.
    void open(const QString& helpFile, int mapId) override;

private:
    QPointer<HelpWindow> window_;
};

// The page of a map id: help/<id>.html in the help file's folder, looked up without regard to case.
QString helpPage(const QString& helpFile, int mapId);

} // namespace platform
