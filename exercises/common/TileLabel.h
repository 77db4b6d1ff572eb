// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <functional>

// A puzzle tile: a framed label with its text centred, whose left click runs `onClick`.
void makeTile(QLabel* label, std::function<void()> onClick);
