#include "childpictures.h"

#include "classlist.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace toolkit::childpictures {

namespace {

const QString Folder = QStringLiteral(":/assets/ninos");

} // namespace

const QStringList& names()
{
    static const QStringList all = [] {
        QStringList found;
        for (const QString& file :
             QDir(Folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name))
            found << file.chopped(4);
        return found;
    }();
    return all;
}

bool contains(const QString& name)
{
    return names().contains(name);
}

QImage picture(const QString& name, int side)
{
    if (side <= 0 || !contains(name))
        return {};
    QSvgRenderer renderer(QStringLiteral("%1/%2.svg").arg(Folder, name));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QString firstFree(const ClassList& list, const QStringList& groups)
{
    QStringList taken;
    for (const ClassList::Child& child : list.children())
        if (std::any_of(groups.cbegin(), groups.cend(),
                        [&](const QString& group) { return child.groups.contains(group); }))
            taken << child.picture;
    for (const QString& name : names())
        if (!taken.contains(name))
            return name;
    return {};
}

} // namespace toolkit::childpictures
