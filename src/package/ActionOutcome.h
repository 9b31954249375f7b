#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The main window's boxes as an option reads them when Go is pressed.
struct MainSelection {
    QString category;       // cboPackageCategory's entry
    QStringList categories; // its entries in box order
    QString package;        // cboPackageName's entry, with any installed marker
    QString packageName;    // txtPackageName
};

// One entry of a mode's options box: the action it runs and its caption.
template <typename Action> struct ModeOption {
    Action action;
    const char *caption;
};

// The question that ends a copy: Yes hands Go on to the option that deletes the copy's source.
template <typename Action> struct HandOver {
    QString question;
    QString copy; // checked to be on disk before its source may go
    Action next;
    // What a Yes leads to deleting, as the next option works it out, read as the question is
    // asked: the question's details.
    std::function<QStringList()> details;
};

// What an option leaves the main window to do once it has run, in this order.
template <typename Action> struct ActionOutcome {
    std::optional<QString> packageName; // txtPackageName's new text
    bool refreshPackageList = false;    // the package list window is built again when shown
    QString message;                    // told once the boxes above are up to date
    bool showModeAgain = false;         // the mode's view is read from disk again
    std::optional<HandOver<Action>> handOver;
};

// Asks the hand-over's question with its details; true when the user says Yes and the copy is on
// disk (when it cannot be made sure of, the user is told and nothing follows).
bool handOverTaken(Context &context, const QString &question, const QString &copy,
                   const QStringList &details);
