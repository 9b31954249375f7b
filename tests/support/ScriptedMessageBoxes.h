#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>

// Expects each message box by its exact text and buttons, in order, and gives the scripted
// answer; a box expected without a text (a fixed text the program does not build) is known by
// its buttons alone. A box that was not expected fails the test (and answers Cancel / No / Ok).
class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    struct Expected {
        QString text;
        platform::Buttons buttons;
        platform::Answer answer;
    };

    ScriptedMessageBoxes &expect(const QString &text, platform::Buttons buttons,
                                 platform::Answer answer);
    ScriptedMessageBoxes &expectOk(const QString &text);
    ScriptedMessageBoxes &expectYesNo(const QString &text, bool yes);
    ScriptedMessageBoxes &expectOkCancel(const QString &text, bool ok);
    ScriptedMessageBoxes &expectOk() { return expectOk(QString()); }
    ScriptedMessageBoxes &expectYesNo(bool yes) { return expectYesNo(QString(), yes); }
    ScriptedMessageBoxes &expectOkCancel(bool ok) { return expectOkCancel(QString(), ok); }
    // Boxes of fixed texts by their answers, one letter each: 'o' an Ok box, 'y' / 'n' a Yes/No
    // question answered Yes / No, 'k' / 'c' an Ok/Cancel question answered Ok / Cancel.
    ScriptedMessageBoxes &expectAnswers(const char *answers);

    platform::Answer show(const QString &text, platform::Buttons buttons) override;

    // Fails the test when scripted boxes were never shown.
    void verifyAllShown() const;

    ~ScriptedMessageBoxes() override;

private:
    QList<Expected> expected_;
};
