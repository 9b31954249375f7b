#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes: titled "Wingstash", no icon, the text shown as plain text exactly as
// given. Closing a box without a button answers Cancel (OkCancel), No (YesNo) or Ok (Ok).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString &text, Buttons buttons) = 0;

    void inform(const QString &text) { show(text, Buttons::Ok); }
    bool confirmYes(const QString &text) { return show(text, Buttons::YesNo) == Answer::Yes; }
    bool confirmOk(const QString &text) { return show(text, Buttons::OkCancel) == Answer::Ok; }
};

} // namespace platform
