#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files in the single-byte code page of the simulator's era (Windows-1252), decoded and
// encoded without loss: every byte maps to one character and back.
namespace platform {

QString decodeCp1252(const QByteArray &bytes);
QByteArray encodeCp1252(const QString &text);

// Splits at CR LF, LF or a lone CR. A final line end does not make an empty last line.
QStringList splitLines(const QString &text);

// Reads a whole text file as lines. ok is false when it cannot be read.
QStringList readTextLines(const QString &path, bool *ok = nullptr);

// Calls onLine for each line, stopping early when it returns false. Returns false when the
// file cannot be read.
template <typename OnLine> bool forEachLine(const QString &path, OnLine onLine);

// Writes lines, each ended by CR LF, replacing the file. The old file stays whole until the new
// one is complete.
bool writeTextLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// The program's own settings are not read by the simulator, so they keep any path the user
// can choose: written as UTF-8 (no byte-order mark), read as UTF-8, or as Windows-1252 when the
// bytes are not valid UTF-8 (a file written by an earlier version).
QString decodeUtf8OrCp1252(const QByteArray &bytes);
QStringList readUtf8TextLines(const QString &path, bool *ok = nullptr);
bool writeUtf8TextLines(const QString &path, const QStringList &lines, QString *error = nullptr);

template <typename OnLine> bool forEachLine(const QString &path, OnLine onLine)
{
    bool ok = false;
    const QStringList lines = readTextLines(path, &ok);
    for (const QString &line : lines) {
        if (!onLine(line))
            break;
    }
    return ok;
}

} // namespace platform
