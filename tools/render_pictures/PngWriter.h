// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Writes the image as a PNG file (8-bit RGBA) whose rows are neither filtered nor compressed: the
// cheapest kind to read, for the pictures a program reads before its first window shows. Qt's own
// writer always filters the rows, and undoing that costs a reader more than the larger file.
// Throws std::runtime_error when the file cannot be written.
void writeStoredPng(const QImage& image, const QString& path);
