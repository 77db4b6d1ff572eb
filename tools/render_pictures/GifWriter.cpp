// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/GifWriter.h"

#include <QFile>
#include <gif_lib.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

[[noreturn]] void fail(const QString& path, int error)
{
    throw std::runtime_error("cannot write " + path.toStdString() + ": " + GifErrorString(error));
}

} // namespace

void writeGif(const QImage& image, const QString& path)
{
    const QImage indexed = image.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither | Qt::PreferDither);
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(256, nullptr));
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))};
    }
    // giflib's own open makes the file readable by its owner only; an installed table must be
    // readable by every pupil. A fresh file takes the usual mode (0666 less the umask), also
    // where an older build left one behind.
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + std::strerror(errno));
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileHandle(fd, &error));
    if (!gif) {
        ::close(fd);
        fail(path, error);
    }
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), indexed.width(), indexed.height(), 8, 0, map.get()) == GIF_ERROR
        || EGifPutImageDesc(gif.get(), 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_ERROR)
        fail(path, gif->Error);
    for (int y = 0; y < indexed.height(); ++y) {
        auto* row = const_cast<GifPixelType*>(indexed.constScanLine(y));
        if (EGifPutLine(gif.get(), row, indexed.width()) == GIF_ERROR)
            fail(path, gif->Error);
    }
    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &error) == GIF_ERROR)
        fail(path, error);
}
