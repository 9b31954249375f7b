#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

using platform::Answer;
using platform::Buttons;

namespace {

const char *buttonsName(Buttons buttons)
{
    return buttons == Buttons::Ok ? "Ok" : buttons == Buttons::OkCancel ? "OkCancel" : "YesNo";
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

ScriptedMessageBoxes &ScriptedMessageBoxes::expectAnswers(const char *answers)
{
    for (const char *answer = answers; *answer != '\0'; ++answer) {
        switch (*answer) {
        case 'o':
            expectOk();
            break;
        case 'y':
        case 'n':
            expectYesNo(*answer == 'y');
            break;
        case 'k':
        case 'c':
            expectOkCancel(*answer == 'k');
            break;
        default:
            ADD_FAILURE() << "No such answer: " << *answer;
        }
    }
    return *this;
}

Answer ScriptedMessageBoxes::show(const QString &text, Buttons buttons)
{
    if (expected_.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box (" << buttonsName(buttons)
                      << "): " << text.toStdString();
        // The cautious answer of each button set.
        return buttons == Buttons::Ok      ? Answer::Ok
               : buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
    }
    const Expected next = expected_.takeFirst();
    if (!next.text.isNull()) {
        EXPECT_EQ(next.text.toStdString(), text.toStdString()) << "message box text";
    }
    EXPECT_STREQ(buttonsName(next.buttons), buttonsName(buttons))
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
