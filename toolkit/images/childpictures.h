#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace toolkit {

class ClassList;

// The pictures a child who cannot read says "this is me" by, on a shared
// account or the class's whiteboard: things the library's activities show,
// in colour, compiled into the programs. A class list names them
// (ClassList::Child::picture); a name it gives that is not in the set is no
// picture and is drawn as none.
namespace childpictures {

// The names of the set, in the order they are handed out.
const QStringList& names();
bool contains(const QString& name);

// The picture in a square of `side` pixels, transparent round it; a null
// image for a name not in the set.
QImage picture(const QString& name, int side);

// The first picture of the set that no child of `list` in any of `groups`
// has (each picture once per group, so a child finds theirs at a glance);
// empty when every one is taken.
QString firstFree(const ClassList& list, const QStringList& groups);

} // namespace childpictures
} // namespace toolkit
