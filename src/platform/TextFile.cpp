#include "platform/TextFile.h"

#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/FileWriting.h"
#include "platform/Result.h"

#include <QFile>
#include <QStringDecoder>

#include <array>

namespace platform {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes Windows leaves undefined map to the C1
// control of the same value, so every byte survives a read and a write.
constexpr std::array<char16_t, 32> highBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < highBlock.size(); ++i) {
        if (highBlock[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray encodeUtf8(const QString &text)
{
    return text.toUtf8();
}

QStringList readLines(const QString &path, bool *ok, QString (*decode)(const QByteArray &))
{
    QFile file(resolveCase(path));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return {};
    return splitLines(decode(file.readAll()));
}

bool writeLines(const QString &path, const QStringList &lines, QString *error,
                QByteArray (*encode)(const QString &))
{
    const QString real = resolveCase(path);
    // Replacing the file by rename would get past its read-only mark; Windows refuses.
    if (attributesOf(real) & ReadOnly) {
        if (error)
            *error = kAccessDenied;
        return false;
    }
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encode(line) + "\r\n";
    const Result written = writeFileReplacing(real, bytes);
    if (!written.ok && error)
        *error = written.error;
    return written.ok;
}

} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(highBlock[value - 0x80]) : QChar(value);
    }
    return text;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        // A character outside the basic plane becomes one "?", not one per half.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(encodeOne(unit.unicode()));
    }
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QStringList readTextLines(const QString &path, bool *ok)
{
    return readLines(path, ok, decodeCp1252);
}

bool writeTextLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeLines(path, lines, error, encodeCp1252);
}

QString decodeUtf8OrCp1252(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeCp1252(bytes) : text;
}

QStringList readUtf8TextLines(const QString &path, bool *ok)
{
    return readLines(path, ok, decodeUtf8OrCp1252);
}

bool writeUtf8TextLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeLines(path, lines, error, encodeUtf8);
}

} // namespace platform
