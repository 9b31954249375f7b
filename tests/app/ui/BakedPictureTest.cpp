#include "app/ui/BakedPicture.h"

#include "app/MainController.h"
#include "app/ui/BackdropPicture.h"
#include "support/TreeBuilder.h"

#include <QResource>

#include <gtest/gtest.h>

#include <cstring>

// A baked picture comes back pixel for pixel, with or without transparency; bytes that are not a
// whole baked picture give none, never a picture sized from a damaged header.
TEST(BakedPicture, ComesBackWholeOrNotAtAll)
{
    QImage opaque(7, 3, QImage::Format_RGB888);
    opaque.fill(qRgb(10, 200, 30));
    QImage seeThrough(5, 4, QImage::Format_ARGB32);
    seeThrough.fill(qRgba(200, 100, 50, 128));
    for (const QImage &picture : {opaque, seeThrough}) {
        const QByteArray baked = bakePicture(picture);
        const QImage back = unbakePicture(baked);
        EXPECT_EQ(back, picture.convertToFormat(back.format()));
        EXPECT_EQ(back.hasAlphaChannel(), picture.hasAlphaChannel());
    }

    const QByteArray whole = bakePicture(opaque);
    const auto withWord = [&whole](int offset, quint32 word) {
        QByteArray changed = whole;
        std::memcpy(changed.data() + offset, &word, sizeof word);
        return changed;
    };
    for (const QByteArray &damaged :
         {QByteArray(), whole.left(15), whole.chopped(1), whole + 'x', withWord(0, 0),
          withWord(4, 0), withWord(4, 100000), withWord(8, 1), withWord(12, QImage::Format_RGB16)})
        EXPECT_TRUE(unbakePicture(damaged).isNull()) << damaged.size();
}

// The pictures built into the program are read where they lie, nothing decoded; a picture file
// is decoded.
TEST(BakedPicture, ProgramPicturesLieInPlaceAndFilesAreDecoded)
{
    const QImage welcome = readPicture(welcomePicture());
    EXPECT_EQ(welcome.size(), QSize(700, 475));
    EXPECT_EQ(welcome.constBits(), QResource(welcomePicture()).data() + 16);
    BackdropPicture backdrop(nullptr);
    backdrop.setPicture(welcome);
    EXPECT_EQ(backdrop.picture().constBits(), welcome.constBits());
    for (const int side : {32, 64}) {
        const QImage icon = readPicture(QStringLiteral(":/icon-%1").arg(side));
        EXPECT_EQ(icon.size(), QSize(side, side));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }

    TreeBuilder tree;
    QImage file(3, 2, QImage::Format_RGB32);
    file.fill(Qt::blue);
    file.save(tree.path("blue.png"));
    EXPECT_EQ(readPicture(tree.path("blue.png")), file);
    EXPECT_TRUE(readPicture(tree.path("missing.png")).isNull());
    EXPECT_TRUE(readPicture(QStringLiteral(":/missing")).isNull());
}
