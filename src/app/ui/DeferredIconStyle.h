#pragma once

#include <QProxyStyle>

// The application's style, with the menu bar's extension icon (shown only when the menus do not
// fit) loaded the first time it is drawn. Loading it reads a picture file, and Qt loads every
// image plugin it has to read any picture file: every start would pay for an icon seldom shown.
class DeferredIconStyle : public QProxyStyle {
public:
    // Takes the style over, as QProxyStyle does.
    explicit DeferredIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
