// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Zufall_Array.h"

#include <QString>
#include <QStringList>

#include <functional>

// The teacher's own pictures as words: the picture files "<Word>.bmp" of one folder, handed
// out in random order without repetition.
class GetOwnWords {
public:
    GetOwnWords() = default;

    void Reset();
    int Anzahl() const { return static_cast<int>(Bildnamen.size()); }
    void Continue();
    QString Bildpfad() const;
    QString Wortname() const;
    // Nine letter blocks (syllables when Silben is set); an empty list when there is no picture.
    QStringList Bausteine() const;
    void setSilben(bool s) { silben_ = s; }
    // Scans the folder (relative to the current folder, with or without a final "/").
    void setPfad(const QString& p);
    // Leaves out the pictures whose blocks `keep` refuses: words the exercise cannot ask for.
    void keepOnly(const std::function<bool(const QStringList& blocks)>& keep);

    static constexpr int kBlocks = 9;

private:
    QStringList letterBlocks(QString s) const;

    QString folder_;
    QStringList Bildnamen;
    int current_ = 0;
    Zufall_Array drawer_;
    bool silben_ = false;
};
