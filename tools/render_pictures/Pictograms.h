// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPainter;
class PictureRenderer;

// Draws the pictogram NAME for a subject that has no emoji, in a 100 x 100 unit square
// (the caller scales the painter). Some pictograms place emoji through the renderer.
// Throws std::runtime_error for an unknown name.
void paintPictogram(QPainter& painter, const QString& name, const PictureRenderer& emoji);
