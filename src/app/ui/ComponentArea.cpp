#include "app/ui/ComponentArea.h"

#include "app/ui/Controls.h"

#include <QImageReader>
#include <QLabel>
#include <QListWidget>

namespace {

// Pictures above this many pixels are decoded straight to kLargestShown where the format allows
// (JPEG does), so a photograph of 8000 x 8000 shows at once; other formats are refused above
// kLargestDecodedPixels, as a forged header could otherwise ask for gigabytes.
constexpr qint64 kScaledFromPixels = 4LL * 1024 * 1024;
constexpr qint64 kLargestDecodedPixels = 64LL * 1024 * 1024;
constexpr QSize kLargestShown(2048, 2048);

// A null image when the file is not a picture Qt can decode.
QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty())
        return {};
    const qint64 pixels = qint64(full.width()) * full.height();
    if (pixels > kScaledFromPixels) {
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(full.scaled(kLargestShown, Qt::KeepAspectRatio));
        else if (pixels > kLargestDecodedPixels)
            return {};
    }
    return reader.read();
}

const std::array<const char *, kKindCount> kTabCaptions{
    "&Images",        "&Aircraft",           "&Panel", "&Gauge", "&Model", "Te&xture", "S&ound",
    "&Documentation", "&&Unrecognized Files"};

} // namespace

ComponentArea::ComponentArea(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("tabComponents"));
    for (int kind = 0; kind < kKindCount; ++kind) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("tabComponentsPage%1").arg(kind));
        page->setAutoFillBackground(true);
        addTab(page, QLatin1String(kTabCaptions.at(kind)));
        if (kind == Images) {
            imgImageBox_ = makeLabel(page, "imgImageBox");
            cmdImgNext_ = makeButton(page, "cmdImgNext", QStringLiteral("-->"));
            cmdImgPrevious_ = makeButton(page, "cmdImgPrevious", QStringLiteral("<--"));
            continue;
        }
        auto *list = new QListWidget(page);
        list->setObjectName(QStringLiteral("lstComponents%1").arg(kind));
        list->setSortingEnabled(false); // row r pairs with entry r + 1 of the kind's files
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        lists_.at(kind) = list;
        if (kind == Panel) {
            lblPanelAliasUsed1_ = makeLabel(page, "lblPanelAliasUsed1");
            lblPanelAliasUsed2_ = makeLabel(page, "lblPanelAliasUsed2");
        } else if (kind == Sound) {
            lblSoundAliasUsed1_ = makeLabel(page, "lblSoundAliasUsed1");
            lblSoundAliasUsed2_ = makeLabel(page, "lblSoundAliasUsed2");
        }
    }
}

void ComponentArea::showPicture(const QString &path, const QString &placeholder)
{
    // A picture that is missing or cannot be decoded shows the placeholder instead; a missing
    // placeholder leaves the box empty.
    QImage picture = readPicture(path);
    QString shown = path;
    if (picture.isNull() && path != placeholder) {
        shown = placeholder;
        picture = readPicture(shown);
    }
    picture_ = QPixmap::fromImage(picture);
    imgImageBox_->setProperty("picturePath", shown);
    fitPicture();
}

void ComponentArea::fitPicture()
{
    if (picture_.isNull()) {
        imgImageBox_->clear();
        return;
    }
    imgImageBox_->setPixmap(
        picture_.scaled(imgImageBox_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
