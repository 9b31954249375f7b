#pragma once

#include "package/ComponentKind.h"

#include <QPixmap>
#include <QTabWidget>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

// tabComponents: a tab per component kind. The Images tab holds the image box and its paging
// buttons, every other tab a list of the kind's files; the Panel and Sound tabs also hold their
// alias captions. The welcome state never shows it, so the main window makes it when first
// needed.
class ComponentArea : public QTabWidget {
public:
    explicit ComponentArea(QWidget *parent);

    QListWidget *list(int kind) const { return lists_.at(kind); } // null for Images
    QLabel *imageBox() const { return imgImageBox_; }
    QPushButton *nextImage() const { return cmdImgNext_; }
    QPushButton *previousImage() const { return cmdImgPrevious_; }
    // Shows the picture in the image box, or the placeholder when it cannot be decoded.
    void showPicture(const QString &path, const QString &placeholder);
    // Scales the picture shown to the image box's size.
    void fitPicture();
    // The caption and the value of the alias a Panel or Sound tab shows.
    std::array<QLabel *, 2> aliasCaptions(int kind) const
    {
        return kind == Panel ? std::array{lblPanelAliasUsed1_, lblPanelAliasUsed2_}
                             : std::array{lblSoundAliasUsed1_, lblSoundAliasUsed2_};
    }

private:
    std::array<QListWidget *, kKindCount> lists_{}; // 1 to 8; 0 is the Images tab
    QLabel *imgImageBox_ = nullptr;
    QPixmap picture_; // the picture of imgImageBox at its own size, scaled on show
    QPushButton *cmdImgNext_ = nullptr;
    QPushButton *cmdImgPrevious_ = nullptr;
    QLabel *lblPanelAliasUsed1_ = nullptr;
    QLabel *lblPanelAliasUsed2_ = nullptr;
    QLabel *lblSoundAliasUsed1_ = nullptr;
    QLabel *lblSoundAliasUsed2_ = nullptr;
};
