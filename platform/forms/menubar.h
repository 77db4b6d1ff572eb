// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QMenuBar;

namespace platform {

// A form's menu bar as the layouts expect it: every visible top-level entry is shown; when the
// window is too narrow for one row the entries wrap into further rows (no overflow button),
// and the form grows by those rows.
class MenuBar : public QWidget {
    Q_OBJECT
public:
    explicit MenuBar(QWidget* parent);

    // A top-level menu's action or a top-level item, in order.
    void addEntry(QAction* entry);
    bool anyVisible() const;
    // Puts the visible entries into rows no wider than `width`; returns the rows' height.
    int layoutRows(int width);

    int rowCount() const { return visibleRows_; }
    // The row that shows `entry` (nullptr when hidden) and its place in this bar.
    QMenuBar* rowOf(const QAction* entry) const;
    QRect entryGeometry(const QAction* entry) const;

private:
    std::vector<QAction*> visibleEntries() const;
    struct OneRow {
        std::vector<QRect> places;
        int margins;
    };
    OneRow placesOnOneRow(const std::vector<QAction*>& entries);
    std::vector<std::vector<QAction*>> wrap(int width);
    QMenuBar* row(std::size_t index);

    std::vector<QAction*> entries_;
    std::vector<QMenuBar*> rows_;
    std::vector<std::vector<QAction*>> shown_;
    QMenuBar* probe_;
    int visibleRows_ = 0;
};

} // namespace platform
