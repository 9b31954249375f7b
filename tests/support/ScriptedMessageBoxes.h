#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Expects each message box by its buttons and a part of its text, in order, and gives the
// scripted answer. The part is what the program builds into the text (a path, a name, a count);
// an empty part takes any text. A box that was not expected fails the test (and answers
// Cancel / No / Ok). Made to answer all alike (Yes / Ok, or No / Cancel), it expects nothing and
// only records: for runs under faults, where which messages come depends on the fault.
class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    ScriptedMessageBoxes() = default;
    explicit ScriptedMessageBoxes(bool agreeToAll) : agreeToAll_(agreeToAll) {}
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
    // Boxes of fixed texts by their answers, one letter each: 'o' an Ok box, 'y' / 'n' a Yes/No
    // question answered Yes / No, 'k' / 'c' an Ok/Cancel question answered Ok / Cancel.
    ScriptedMessageBoxes &expectAnswers(const char *answers);

    // The texts shown so far, in order, and the details of each.
    QStringList shown;
    QList<QStringList> details;

    platform::Answer show(const QString &text, platform::Buttons buttons,
                          const QStringList &lines) override;

    // Fails the test when scripted boxes were never shown.
    void verifyAllShown() const;

    ~ScriptedMessageBoxes() override;

private:
    QList<Expected> expected_;
    std::optional<bool> agreeToAll_;
};
