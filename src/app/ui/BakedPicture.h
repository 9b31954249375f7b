#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// The pictures the program carries (the welcome picture, the window icons) are baked when it is
// built: stored as the pixels the painter draws, behind a small header, so that showing one
// decodes nothing. Decoding would load Qt's image plugins (Qt asks each of them before its own
// PNG reader), and the first paint waited for that.

// The picture as baked: its size and format, then its pixels, 32 bits each, in this machine's
// byte order (the program is built where it runs).
QByteArray bakePicture(const QImage &picture);

// The baked picture, sharing the bytes, which must outlive it (a resource's do); a null image
// for bytes that are not a whole baked picture.
QImage unbakePicture(QByteArrayView baked);

// The picture at path: a resource the program carries baked, or a picture file, decoded. A
// missing or unreadable picture is a null image.
QImage readPicture(const QString &path);
