#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The [fltsim.N] sections of an aircraft.cfg as rows of a table. Keys are found by substring
// in the lower-cased line (so atc_model= counts as model=), values are taken from the line as
// written, trimmed.

// The four folder keys of a configuration, in the order their folders are pruned.
enum class FolderKey { Model, Panel, Sound, Texture };
inline constexpr std::array<FolderKey, 4> kFolderKeys{FolderKey::Model, FolderKey::Panel,
                                                      FolderKey::Sound, FolderKey::Texture};

// "model", "panel", "sound" or "texture": the plain folder name and the key without "=".
QString folderKeyName(FolderKey key);

struct Configuration {
    QString Name;                   // between "[" and "]" of the header, case kept
    QString Title;                  // empty only when the section holds no title= line
    std::array<QString, 4> folders; // indexed by FolderKey

    const QString &folder(FolderKey key) const { return folders.at(static_cast<size_t>(key)); }
};

// The line lower-cased character by character, so positions in it match the line as written.
QString lowerKeepingPositions(const QString &line);

// A line holding "[fltsim." and "]" (lowerLine already lower-cased).
bool isConfigurationHeader(const QString &lowerLine);
// The header's name: the text after the "[" of "[fltsim." up to the next "]".
QString configurationName(const QString &line, const QString &lowerLine);

// The configurations in the order their headers appear. A section whose title= is empty is
// not a row; keys met in other sections overwrite the fields of the row that is last then.
QList<Configuration> buildConfigurationTable(const QStringList &lines);

// The entry the chooser shows for a row: title, two spaces, the name in parentheses.
QString configurationEntry(const Configuration &configuration);

// The folder a configuration uses for one key: the plain folder for an empty value, key + "."
// + value otherwise, key + value when the value is a path (begins with a separator).
QString configurationFolderName(FolderKey key, const QString &value);
