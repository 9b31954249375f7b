// Bakes a picture for the program to carry (see src/app/ui/BakedPicture.h):
//   wingstash_bake_picture PICTURE BAKED
#include "app/ui/BakedPicture.h"

#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE BAKED\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QSaveFile baked(QString::fromLocal8Bit(argv[2]));
    if (!baked.open(QIODevice::WriteOnly) || baked.write(bakePicture(picture)) < 0 ||
        !baked.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
