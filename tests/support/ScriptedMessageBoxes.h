#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>

// Expects each message box by its exact text and buttons, in order, and gives the scripted
// answer. A box that was not expected fails the test (and answers Cancel / No / Ok).
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

    platform::Answer show(const QString &text, platform::Buttons buttons) override;

    // Fails the test when scripted boxes were never shown.
    void verifyAllShown() const;

    ~ScriptedMessageBoxes() override;

private:
    QList<Expected> expected_;
};
