#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Answers every box the same way (Yes / Ok, or No / Cancel) and records its text: for tests that
// run an action under many faults, where which messages come depends on the fault.
class RecordingMessageBoxes : public platform::MessageBoxes {
public:
    explicit RecordingMessageBoxes(bool agree = true) : agree_(agree) {}
    QStringList shown;
    QList<QStringList> details; // of each box shown, in the same order

    platform::Answer show(const QString &text, platform::Buttons buttons,
                          const QStringList &lines) override
    {
        shown.append(text);
        details.append(lines);
        switch (buttons) {
        case platform::Buttons::Ok:
            return platform::Answer::Ok;
        case platform::Buttons::OkCancel:
            return agree_ ? platform::Answer::Ok : platform::Answer::Cancel;
        case platform::Buttons::YesNo:
            return agree_ ? platform::Answer::Yes : platform::Answer::No;
        }
        return platform::Answer::Ok;
    }

private:
    bool agree_;
};
