#include "app/ui/BakedPicture.h"

#include <QResource>

#include <cstring>

namespace {

struct Header {
    char magic[4];
    quint32 width;
    quint32 height;
    quint32 format; // a QImage::Format
};
constexpr char kMagic[4] = {'W', 'S', 'P', 'X'};
// Far beyond any picture the program carries; keeps a damaged header from sizing a huge image.
constexpr quint32 kLargestSide = 8192;
constexpr qsizetype kBytesPerPixel = 4;

bool isBakedFormat(quint32 format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QByteArray bakePicture(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.width = quint32(pixels.width());
    header.height = quint32(pixels.height());
    header.format = quint32(pixels.format());
    QByteArray baked(reinterpret_cast<const char *>(&header), sizeof header);
    const qsizetype rowBytes = pixels.width() * kBytesPerPixel;
    for (int y = 0; y < pixels.height(); ++y)
        baked.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    return baked;
}

QImage unbakePicture(QByteArrayView baked)
{
    Header header{};
    if (baked.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, baked.data(), sizeof header);
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || !isBakedFormat(header.format) ||
        header.width == 0 || header.height == 0 || header.width > kLargestSide ||
        header.height > kLargestSide)
        return {};
    const qsizetype rowBytes = qsizetype(header.width) * kBytesPerPixel;
    if (baked.size() != qsizetype(sizeof header) + rowBytes * header.height)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(baked.data()) + sizeof header;
    const QImage shared(pixels, int(header.width), int(header.height), rowBytes,
                        QImage::Format(header.format));
    // Qt reads the pixels a word at a time: bytes off a word's boundary are copied first.
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? shared : shared.copy();
}

QImage readPicture(const QString &path)
{
    if (path.startsWith(QLatin1String(":/"))) {
        const QResource resource(path);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
            if (QImage baked = unbakePicture(QByteArrayView(resource.data(), resource.size()));
                !baked.isNull())
                return baked;
        }
    }
    return QImage(path);
}
