#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

using platform::Answer;
using platform::Buttons;

namespace {

const char *buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return "Ok";
    case Buttons::OkCancel:
        return "OkCancel";
    case Buttons::YesNo:
        return "YesNo";
    }
    return "?";
}

Answer refusal(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    }
    return Answer::Cancel;
}

} // namespace

ScriptedMessageBoxes &ScriptedMessageBoxes::expect(const QString &text, Buttons buttons,
                                                   Answer answer)
{
    expected_.append({text, buttons, answer});
    return *this;
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectOk(const QString &text)
{
    return expect(text, Buttons::Ok, Answer::Ok);
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectYesNo(const QString &text, bool yes)
{
    return expect(text, Buttons::YesNo, yes ? Answer::Yes : Answer::No);
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectOkCancel(const QString &text, bool ok)
{
    return expect(text, Buttons::OkCancel, ok ? Answer::Ok : Answer::Cancel);
}

Answer ScriptedMessageBoxes::show(const QString &text, Buttons buttons)
{
    shown_.append(text);
    if (expected_.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box (" << buttonsName(buttons)
                      << "): " << text.toStdString();
        return refusal(buttons);
    }
    const Expected next = expected_.takeFirst();
    EXPECT_EQ(next.text.toStdString(), text.toStdString()) << "message box text";
    EXPECT_EQ(buttonsName(next.buttons), std::string(buttonsName(buttons)))
        << "buttons of: " << text.toStdString();
    return next.answer;
}

void ScriptedMessageBoxes::verifyAllShown() const
{
    for (const Expected &missing : expected_)
        ADD_FAILURE() << "Expected message box never shown: " << missing.text.toStdString();
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    verifyAllShown();
}
