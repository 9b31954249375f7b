#include "app/ui/DeferredIconStyle.h"

#include <QStyleFactory>

#include <gtest/gtest.h>

// The deferred icon draws what the style's own would, at every size; other icons pass through.
TEST(DeferredIconStyle, DrawsTheStylesOwnIcons)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_MessageBoxQuestion}) {
        const QIcon own = fusion->standardIcon(which);
        const QIcon icon = deferred.standardIcon(which);
        for (const int side : {8, 16, 32})
            EXPECT_EQ(icon.pixmap(side).toImage(), own.pixmap(side).toImage()) << which << side;
        EXPECT_EQ(icon.availableSizes(), own.availableSizes()) << which;
    }
}
