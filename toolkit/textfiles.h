#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace toolkit {

// Decodes 8-bit text: UTF-8 when the bytes are valid UTF-8 (so a file saved
// by a modern editor keeps its accents), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);

// The lines of a text file, ended by CR LF or LF; nullopt when it cannot be
// read. A last line without an ending counts; an ending at the very end adds
// no empty line.
std::optional<QStringList> readTextLines(const QString& path);

// The fields of a text read by the delimited-input rule: leading blanks are
// skipped; a field that starts with a double quote runs to the next double
// quote (quotes removed, commas kept); any other field runs to the next comma
// or the end of the line, trailing blanks dropped.
QStringList readDelimitedFields(const QString& text);

// The number at the start of a text, by the leading-number rule: blanks
// anywhere are ignored, then an optional sign, digits and at most one "."
// as decimal point; the first other character ends it. No number reads 0.
double leadingNumber(const QString& text);

// The name of the file in `folder` whose name equals `name` ignoring case,
// or an empty text when there is none (directories do not count).
QString findFileIgnoringCase(const QString& folder, const QString& name);

} // namespace toolkit
