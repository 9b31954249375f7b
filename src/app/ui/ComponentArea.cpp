#include "app/ui/ComponentArea.h"

#include "app/ui/Controls.h"

#include <QLabel>
#include <QListWidget>

namespace {

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
