#include "menubar.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>

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

// The width the entries take side by side on one row.
int MenuBar::widthOf(const std::vector<QAction*>& row)
{
    for (QAction* entry : row)
        probe_->addAction(entry);
    const int width = probe_->sizeHint().width();
    for (QAction* entry : row)
        probe_->removeAction(entry);
    return width;
}

std::vector<std::vector<QAction*>> MenuBar::wrap(int width)
{
    std::vector<std::vector<QAction*>> rows;
    for (QAction* entry : entries_) {
        if (!entry->isVisible())
            continue;
        if (!rows.empty()) {
            rows.back().push_back(entry);
            if (widthOf(rows.back()) <= width)
                continue;
            rows.back().pop_back();
        }
        rows.push_back({entry});
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
