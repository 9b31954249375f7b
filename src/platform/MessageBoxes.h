#pragma once

#include <QString>
#include <QStringList>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes: titled "Wingstash", no icon, the text shown as plain text exactly as
// given. Closing a box without a button answers Cancel (OkCancel), No (YesNo) or Ok (Ok).
// Details, when there are any, are plain-text lines the user may unfold below the text (what a
// question's Yes will delete); the text and the buttons stay as they are.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString &text, Buttons buttons, const QStringList &details) = 0;

    void inform(const QString &text) { show(text, Buttons::Ok, {}); }
    bool confirmYes(const QString &text, const QStringList &details = {})
    {
        return show(text, Buttons::YesNo, details) == Answer::Yes;
    }
    bool confirmOk(const QString &text, const QStringList &details = {})
    {
        return show(text, Buttons::OkCancel, details) == Answer::Ok;
    }
};

} // namespace platform
