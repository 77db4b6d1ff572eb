// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class LevelDialog;

// The level dialog as every exercise shows it: the captions of the buttons it uses and, when
// `ownPicturesCaption` is not empty, the hidden last button with that caption and the dialog
// 840 twips higher. Returns the pressed button's index, or -1 when the dialog was closed
// without a button (the exercise then keeps its default level).
int askLevel(LevelDialog& dialog, const QStringList& captions, const QString& ownPicturesCaption = {});
