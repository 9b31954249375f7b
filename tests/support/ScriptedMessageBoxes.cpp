#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

using platform::Answer;
using platform::Buttons;

namespace {

const char *buttonsName(Buttons buttons)
{
    return buttons == Buttons::Ok ? "Ok" : buttons == Buttons::OkCancel ? "OkCancel" : "YesNo";
}

// Yes or Ok when agreeing, No or Cancel (the cautious answer) when not; an Ok box takes Ok.
Answer answerAlike(Buttons buttons, bool agree)
{
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (buttons == Buttons::YesNo)
        return agree ? Answer::Yes : Answer::No;
    return agree ? Answer::Ok : Answer::Cancel;
}

} // namespace

ScriptedMessageBoxes &ScriptedMessageBoxes::expect(const QString &part, Buttons buttons,
                                                   Answer answer)
{
    expected_.append({part, buttons, answer});
    return *this;
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectOk(const QString &part)
{
    return expect(part, Buttons::Ok, Answer::Ok);
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectYesNo(const QString &part, bool yes)
{
    return expect(part, Buttons::YesNo, yes ? Answer::Yes : Answer::No);
}

ScriptedMessageBoxes &ScriptedMessageBoxes::expectOkCancel(const QString &part, bool ok)
{
    return expect(part, Buttons::OkCancel, ok ? Answer::Ok : Answer::Cancel);
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
            expectYesNo({}, *answer == 'y');
            break;
        case 'k':
        case 'c':
            expectOkCancel({}, *answer == 'k');
            break;
        default:
            ADD_FAILURE() << "No such answer: " << *answer;
        }
    }
    return *this;
}

Answer ScriptedMessageBoxes::show(const QString &text, Buttons buttons, const QStringList &lines)
{
    shown.append(text);
    details.append(lines);
    if (agreeToAll_)
        return answerAlike(buttons, *agreeToAll_);
    if (expected_.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box (" << buttonsName(buttons)
                      << "): " << text.toStdString();
        return answerAlike(buttons, false);
    }
    const Expected next = expected_.takeFirst();
    EXPECT_TRUE(text.contains(next.part)) << "message box text: " << text.toStdString()
                                          << "\nexpected in it: " << next.part.toStdString();
    EXPECT_STREQ(buttonsName(next.buttons), buttonsName(buttons))
        << "buttons of: " << text.toStdString();
    return next.answer;
}

void ScriptedMessageBoxes::verifyAllShown() const
{
    for (const Expected &missing : expected_)
        ADD_FAILURE() << "Expected message box never shown: " << missing.part.toStdString();
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    verifyAllShown();
}
