#pragma once

#include <QRect>

// Designed places of the main window's controls, in twips (1440 per logical inch), and the rule
// that sizes the component area with the window. Pure: no widgets here, so the rule is testable.
namespace layout {

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The designed place in pixels at the given logical dots per inch.
QRect toPixels(const Twips &rect, int dpi);

// The window's designed outer size, before any ws.ini geometry is applied.
inline constexpr int kDesignedWidth = 10500; // the welcome picture's 700 pixels
inline constexpr int kDesignedHeight = 7500;
// What a maximised window reports as its position.
inline constexpr int kMaximisedPosition = -60;

// Controls placed directly on the window.
inline constexpr Twips kPackageName{120, 120, 1575, 375};   // lblPackageName
inline constexpr Twips kNameText{120, 360, 6735, 336};      // txtPackageName
inline constexpr Twips kNameBox{120, 360, 6732, 336};       // cboPackageName, 3 twips narrower
inline constexpr Twips kGo{6960, 360, 1575, 1095};          // cmdGo
inline constexpr Twips kCategoryLabel{120, 840, 1935, 375}; // lblPackageCategory
inline constexpr Twips kOptionsLabel{3600, 840, 1215, 375}; // lblOptions
inline constexpr Twips kProgress{4560, 840, 2295, 255};     // prbProgress
inline constexpr Twips kCategoryBox{120, 1080, 3255, 360};  // cboPackageCategory
inline constexpr Twips kOptionsBox{3600, 1080, 3255, 360};  // cboOptions
inline constexpr Twips kHeader{240, 1560, 7095, 735};       // lblHeader
inline constexpr Twips kGoTo{3600, 1560, 1575, 495};        // cmdGoToStaging / cmdGoToStowbay
inline constexpr Twips kRefresh{5280, 1560, 1575, 495};     // cmdRefresh
inline constexpr Twips kExplore{6960, 1560, 1575, 495};     // cmdExplore
inline constexpr Twips kChooseOne{240, 2160, 5415, 375};    // lblChooseOne
inline constexpr Twips kTabs{120, 2160, 8415, 4815};        // tabComponents
inline constexpr Twips kStaging{360, 2760, 2652, 492};      // cmdStaging
inline constexpr Twips kStowbay{360, 3480, 2652, 492};      // cmdStowbay

// Controls on the tabs, measured from the tab control's top-left corner.
inline constexpr Twips kImgNext{120, 1080, 495, 492};      // cmdImgNext
inline constexpr Twips kImgPrevious{120, 1800, 495, 492};  // cmdImgPrevious
inline constexpr Twips kImageBox{720, 1080, 5775, 3735};   // imgImageBox
inline constexpr Twips kList{240, 1080, 5175, 1980};       // lstComponents1 to 8
inline constexpr Twips kAliasCaption{240, 600, 1200, 375}; // lblPanelAliasUsed1 / Sound..1
inline constexpr Twips kAliasValue{1500, 600, 5000, 375};  // lblPanelAliasUsed2 / Sound..2

// The sizes that follow the window: the tab control, the picture and the component lists.
struct ComponentAreaSizes {
    int tabWidth = kTabs.width;
    int tabHeight = kTabs.height;
    int imageWidth = kImageBox.width;
    int imageHeight = kImageBox.height;
    int listWidth = kList.width;
    int listHeight = kList.height;

    bool operator==(const ComponentAreaSizes &) const = default;
};

// The sizing rule for a window of outer height and width (twips). A size whose condition fails
// keeps its previous value, so a very small window leaves the component area as it was.
ComponentAreaSizes sizeComponentArea(ComponentAreaSizes sizes, int height, int width);

} // namespace layout
