#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace toolkit {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(cp1252High[code - 0x80]) : QChar(code);
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeWindows1252(bytes);
}

std::optional<QStringList> readTextLines(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = decodeText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList readDelimitedFields(const QString& text)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && text[i] == QLatin1Char(' '))
            ++i;
        if (i >= n)
            break;
        if (text[i] == QLatin1Char('\n')) {
            ++i;
            continue; // an empty line holds no field
        }
        QString field;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1);
            i = end + 1;
            // Whatever follows the closing quote up to the delimiter is dropped.
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\n'))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && text[end] != QLatin1Char(',') && text[end] != QLatin1Char('\n'))
                ++end;
            field = text.mid(i, end - i);
            while (field.endsWith(QLatin1Char(' ')))
                field.chop(1);
            i = end;
        }
        if (i < n && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('\n')))
            ++i;
        fields << field;
    }
    return fields;
}

double leadingNumber(const QString& text)
{
    QByteArray number;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && number.isEmpty()) {
            number += c.toLatin1();
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += c.toLatin1();
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    // The exact name is the common case and needs no listing of the folder.
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return name;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace toolkit
