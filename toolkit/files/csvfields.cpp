#include "csvfields.h"

#include "textfiles.h"

#include <algorithm>

namespace toolkit {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('\t');
}

} // namespace

QByteArray csvField(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains(';') || bytes.contains('\t') || bytes.contains('"') ||
        bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray csvCell(const QString& text)
{
    QString cell = withoutControlCharacters(text);
    const auto first =
        std::find_if(cell.cbegin(), cell.cend(), [](QChar c) { return !c.isSpace(); });
    if (first != cell.cend() && QStringLiteral("=+-@").contains(*first))
        cell.prepend(QLatin1Char('\''));
    return csvField(cell);
}

bool writeWhole(std::FILE* stream, const QByteArray& bytes)
{
    const auto size = static_cast<size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

QStringList csvFields(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"')) {
            if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                field += line[++i];
            else
                quoted = false;
        } else if (quoted) {
            field += c;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = true;
            field.clear();
        } else if (isSeparator(c)) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

} // namespace toolkit
