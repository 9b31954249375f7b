#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Expects each message box by its buttons and a part of its text, in order, and gives the
// scripted answer. The part is what the program builds into the text (a path, a name, a count);
// an empty part takes any text. A box that was not expected fails the test (and answers
// Cancel / No / Ok).
class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    struct Expected {
        QString part;
        platform::Buttons buttons;
        platform::Answer answer;
    };

    ScriptedMessageBoxes &expect(const QString &part, platform::Buttons buttons,
                                 platform::Answer answer);
    ScriptedMessageBoxes &expectOk(const QString &part = {});
    ScriptedMessageBoxes &expectYesNo(const QString &part, bool yes);
    ScriptedMessageBoxes &expectOkCancel(const QString &part, bool ok);

    // The texts shown so far, in order.
    QStringList shown;

    platform::Answer show(const QString &text, platform::Buttons buttons) override;

    // Fails the test when scripted boxes were never shown.
    void verifyAllShown() const;

    ~ScriptedMessageBoxes() override;

private:
    QList<Expected> expected_;
};
