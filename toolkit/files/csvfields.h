#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace toolkit {

// The teachers' files are opened in spreadsheets, which separate fields by
// commas, semicolons or tabs depending on the language of the computer.

// `text` as one field that any of them reads back whole: in double quotes
// when it holds a separator, a quote or a line break.
QByteArray csvField(const QString& text);

// `text` as a cell of a table that a spreadsheet shows and nobody reads back
// here: a name a child chose must stay a name. Control characters become
// spaces, and a cell a spreadsheet would take for a formula (its first
// character that is not a blank is =, +, - or @) begins with an apostrophe;
// then it is written as csvField() writes it.
QByteArray csvCell(const QString& text);

// Writes `bytes` whole to `stream` and flushes it; false when any of it
// could not be written (a full disk, a closed terminal).
bool writeWhole(std::FILE* stream, const QByteArray& bytes);

// The fields of one line, separated by commas, semicolons or tabs; a field
// in double quotes keeps the separators it holds ("" for a quote). Each
// field is trimmed.
QStringList csvFields(const QString& line);

} // namespace toolkit
