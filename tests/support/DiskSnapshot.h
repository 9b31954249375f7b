#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Everything below a folder, hidden entries included, as relative path -> what it is: "dir",
// "file:" and a checksum of the bytes, "link:" and the link's target. Links are not entered.
// Two snapshots are equal exactly when the trees hold the same entries with the same bytes. The
// program's activity log, which every run appends to, is left out.
using DiskSnapshot = QMap<QString, QString>;
DiskSnapshot snapshotOf(const QString &root);

// Relative paths whose entry differs between two snapshots (added, removed or changed), sorted.
QStringList differences(const DiskSnapshot &before, const DiskSnapshot &after);

// The entries of a snapshot named like Wingstash's own temporary entries (".wingstash-...").
QStringList temporaryLeftovers(const DiskSnapshot &snapshot);
