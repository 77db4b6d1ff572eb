// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/PngWriter.h"

#include <QByteArray>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <stdexcept>

namespace {

constexpr int kNoCompression = 0;

// The CRC-32 that PNG chunks end with; Qt offers none.
quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < entries.size(); ++n) {
            quint32 c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFU;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFFU] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

void appendBigEndian(QByteArray& to, quint32 value)
{
    std::array<char, 4> bytes{};
    qToBigEndian(value, bytes.data());
    to.append(bytes.data(), bytes.size());
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    appendBigEndian(png, static_cast<quint32>(data.size()));
    png += typed;
    appendBigEndian(png, crc32(typed));
}

} // namespace

void writeStoredPng(const QImage& image, const QString& path)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(rgba.width()));
    appendBigEndian(header, static_cast<quint32>(rgba.height()));
    // 8 bits per sample, RGBA, deflate, the standard filters, not interlaced.
    header.append("\x08\x06\x00\x00\x00", 5);
    QByteArray rows;
    const auto rowBytes = static_cast<qsizetype>(rgba.width()) * 4;
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append('\0');   // filter type None
        rows.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rowBytes);
    }
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    // qCompress puts the length of the data before the zlib stream that PNG takes.
    appendChunk(png, "IDAT", qCompress(rows, kNoCompression).mid(4));
    appendChunk(png, "IEND", {});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}
