// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Qt reads GIF but cannot write it; giflib encodes a 256-colour version of the image.
// Throws std::runtime_error when the file cannot be written.
void writeGif(const QImage& image, const QString& path);
