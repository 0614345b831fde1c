#pragma once

// The ready activities tools/make_library.py made, read back as the player
// reads them, to be measured against the drawings they were made from.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace tracingtable {

// A theme of the library: its folder's name, then the drawings its
// activities 1, 2, 3... were made from (their names in tests/data/biblioteca).
struct LibraryTheme
{
    QString folder;
    QStringList pictures;
};

// The themes as `list` (tests/data/biblioteca/temas.txt) gives them.
QList<LibraryTheme> libraryThemes(const QString& list);

struct MadeActivity
{
    QStringList labels;           // in file order, closings left out
    QList<QList<QPointF>> placed; // each figure's dots, on the editor's page
    QImage picture;               // "N.png": what the child sees under them
};

// The activity file at `path` and its picture; an empty activity when the
// file cannot be read.
MadeActivity readMadeActivity(const QString& path);

} // namespace tracingtable
