// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class Hintergrund;

// Puts the black backdrop behind one named form (the exercise's main window) and takes it away
// again; releasing the object takes it away too.
class BlackBack {
public:
    BlackBack();
    ~BlackBack();
    BlackBack(const BlackBack&) = delete;
    BlackBack& operator=(const BlackBack&) = delete;

    // Cover only the work area, so the taskbar stays visible.
    bool TaskVisible = false;
    // Name of the loaded form that goes in front of the backdrop.
    QString owner;

    // The backdrop is shown and the owner form attached to it.
    bool Enabled() const { return backdrop_ != nullptr; }

    // Loads, places and shows the backdrop with the owner form in front. Nothing happens when it
    // is shown already or when `owner` names no loaded form.
    void EnableBlack();
    // Gives the owner form its old owner back, then unloads the backdrop.
    void DisableBlack();

private:
    std::unique_ptr<Hintergrund> backdrop_;
};
