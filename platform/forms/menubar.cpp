// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/menubar.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

QMenuBar* newRow(QWidget* parent)
{
    auto* row = new QMenuBar(parent);
    row->setNativeMenuBar(false);
    return row;
}

} // namespace

MenuBar::MenuBar(QWidget* parent) : QWidget(parent), probe_(newRow(this))
{
    probe_->hide();
}

void MenuBar::addEntry(QAction* entry)
{
    entries_.push_back(entry);
}

bool MenuBar::anyVisible() const
{
    return std::any_of(entries_.begin(), entries_.end(), [](const QAction* a) { return a->isVisible(); });
}

std::vector<QAction*> MenuBar::visibleEntries() const
{
    std::vector<QAction*> visible;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(visible),
                 [](const QAction* a) { return a->isVisible(); });
    return visible;
}

// Where each entry lies when all stand on one row, measured once: a row of several entries is as
// wide as their span plus the bar's margins, so wrapping needs no measuring per row.
MenuBar::OneRow MenuBar::placesOnOneRow(const std::vector<QAction*>& entries)
{
    for (QAction* entry : entries)
        probe_->addAction(entry);
    const QSize oneRow = probe_->sizeHint();
    probe_->resize(oneRow);
    std::vector<QRect> places;
    places.reserve(entries.size());
    for (QAction* entry : entries)
        places.push_back(probe_->actionGeometry(entry));
    for (QAction* entry : entries)
        probe_->removeAction(entry);
    return {places, oneRow.width() - (places.back().right() + 1 - places.front().left())};
}

std::vector<std::vector<QAction*>> MenuBar::wrap(int width)
{
    const std::vector<QAction*> visible = visibleEntries();
    if (visible.empty())
        return {};
    const auto [places, margins] = placesOnOneRow(visible);
    std::vector<std::vector<QAction*>> rows;
    std::size_t first = 0;
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (!rows.empty() && places[i].right() + 1 - places[first].left() + margins <= width) {
            rows.back().push_back(visible[i]);
            continue;
        }
        rows.push_back({visible[i]});
        first = i;
    }
    return rows;
}

QMenuBar* MenuBar::row(std::size_t index)
{
    while (rows_.size() <= index)
        rows_.push_back(newRow(this));
    return rows_[index];
}

int MenuBar::layoutRows(int width)
{
    const auto wanted = wrap(width);
    if (wanted != shown_) {
        for (std::size_t i = 0; i < shown_.size(); ++i)
            for (QAction* entry : shown_[i])
                rows_[i]->removeAction(entry);
        for (std::size_t i = 0; i < wanted.size(); ++i)
            for (QAction* entry : wanted[i])
                row(i)->addAction(entry);
        shown_ = wanted;
    }
    visibleRows_ = static_cast<int>(wanted.size());
    int top = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        QMenuBar* r = rows_[i];
        const bool used = i < wanted.size();
        r->setVisible(used);
        if (!used)
            continue;
        const int height = r->sizeHint().height();
        r->setGeometry(0, top, width, height);
        top += height;
    }
    return top;
}

QMenuBar* MenuBar::rowOf(const QAction* entry) const
{
    for (std::size_t i = 0; i < shown_.size(); ++i)
        if (std::find(shown_[i].begin(), shown_[i].end(), entry) != shown_[i].end())
            return rows_[i];
    return nullptr;
}

QRect MenuBar::entryGeometry(const QAction* entry) const
{
    QMenuBar* r = rowOf(entry);
    if (!r)
        return {};
    return r->actionGeometry(const_cast<QAction*>(entry)).translated(r->pos());
}

} // namespace platform
