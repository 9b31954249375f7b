#include "app/ui/BackdropPicture.h"
#include "app/ui/PictureReadAhead.h"
#include "support/TreeBuilder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A picture of three bands, left to right, of the given widths.
QImage bands(int left, int middle, int right, int height)
{
    QImage picture(left + middle + right, height, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < height; ++y) {
        for (int x = left; x < left + middle; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
        for (int x = left + middle; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(0, 255, 0));
    }
    return picture;
}

} // namespace

TEST(BackdropPicture, FillsTheWidgetCuttingTheOverhangEvenly)
{
    QWidget window;
    BackdropPicture backdrop(&window);
    backdrop.resize(40, 40);
    // A picture twice as wide as it is high, in a square: a quarter is cut from either side.
    backdrop.setPicture(bands(20, 40, 20, 40));
    const QImage shown = backdrop.grab().toImage();
    for (const QPoint at : {QPoint(1, 1), QPoint(38, 20), QPoint(20, 38)})
        EXPECT_EQ(shown.pixelColor(at), QColor(0, 0, 255)) << at.x() << "," << at.y();

    // No picture: nothing is painted over the window's own background.
    backdrop.setPicture(QImage());
    EXPECT_TRUE(backdrop.picture().isNull());
    EXPECT_EQ(backdrop.grab().toImage().pixelColor(20, 20), window.palette().window().color());
}

TEST(PictureReadAhead, GivesThePicturesReadAheadAndReadsAnyOtherWhenAsked)
{
    TreeBuilder tree;
    bands(2, 2, 2, 2).save(tree.path("ahead.png"));
    bands(1, 1, 1, 1).save(tree.path("other.png"));
    PictureReadAhead pictures({tree.path("ahead.png"), tree.path("missing.png")});
    EXPECT_EQ(pictures.take(tree.path("ahead.png")).width(), 6);
    EXPECT_TRUE(pictures.take(tree.path("missing.png")).isNull());
    EXPECT_EQ(pictures.take(tree.path("other.png")).width(), 3);
    // A picture taken once is read again when asked again, as it may have changed.
    bands(3, 3, 3, 3).save(tree.path("ahead.png"));
    EXPECT_EQ(pictures.take(tree.path("ahead.png")).width(), 9);
}
