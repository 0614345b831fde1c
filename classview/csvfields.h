#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace classview {

// The teachers' files are opened in spreadsheets, which separate fields by
// commas, semicolons or tabs depending on the language of the computer.

// `text` as one field that any of them reads back whole: in double quotes
// when it holds a separator, a quote or a line break.
QByteArray csvField(const QString& text);

// The fields of one line, separated by commas, semicolons or tabs; a field
// in double quotes keeps the separators it holds ("" for a quote). Each
// field is trimmed.
QStringList csvFields(const QString& line);

} // namespace classview
