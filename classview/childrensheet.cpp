#include "childrensheet.h"

#include "childpictures.h"
#include "classbook.h"
#include "csvfields.h"
#include "textfiles.h"

#include <QDir>
#include <QRegularExpression>

namespace classview {

namespace {

// Enough for the teacher to find the lines; a sheet of a thousand bad ones
// says so once.
constexpr qsizetype MostToldLines = 10;

bool isHeading(const QStringList& fields)
{
    return fields[0].compare(QLatin1String("nombre"), Qt::CaseInsensitive) == 0 &&
           fields.value(1).compare(QLatin1String("grupo"), Qt::CaseInsensitive) == 0;
}

bool inGroup(const toolkit::ClassList& list, const ChildrenSheet::Row& row)
{
    const auto& children = list.children();
    return std::any_of(children.cbegin(), children.cend(), [&](const auto& child) {
        return child.name.compare(row.name, Qt::CaseInsensitive) == 0 &&
               (row.group.isEmpty() ? child.groups.isEmpty() : child.groups.contains(row.group));
    });
}

} // namespace

QList<ChildrenSheet::Row> ChildrenSheet::parse(const QByteArray& csv, QStringList* problems)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = toolkit::decodeText(csv).split(lineEnd);
    QList<Row> rows;
    QStringList unread;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList fields = toolkit::csvFields(lines[i]);
        if (i == 0 && isHeading(fields))
            continue;
        const QString name = toolkit::withoutControlCharacters(fields[0]).trimmed();
        if (name.isEmpty())
            unread << QString::number(i + 1);
        else
            rows << Row{name, toolkit::withoutControlCharacters(fields.value(1)).trimmed()};
    }
    if (!unread.isEmpty() && problems) {
        QString lineNumbers = QStringList(unread.mid(0, MostToldLines)).join(QStringLiteral(", "));
        if (unread.size() > MostToldLines)
            lineNumbers += QStringLiteral("…");
        *problems << tr("Líneas sin nombre, que se pasan por alto: %1.").arg(lineNumbers);
    }
    return rows;
}

std::optional<QList<ChildrenSheet::Row>> ChildrenSheet::read(const QString& path,
                                                             QStringList* problems)
{
    const auto bytes = toolkit::readRegularFile(path, LargestFile);
    if (!bytes || bytes->contains('\0')) {
        if (problems)
            *problems << tr("%1 no se puede leer como hoja de cálculo (no es un archivo normal, "
                            "es binario o pasa de 1 MB).")
                             .arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    QList<Row> rows = parse(*bytes, problems);
    if (rows.isEmpty()) {
        if (problems)
            *problems << tr("%1 no tiene niños: se esperaban líneas «nombre,grupo».")
                             .arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    return rows;
}

QList<ChildrenSheet::Added> ChildrenSheet::addTo(toolkit::ClassList& list, const QList<Row>& rows,
                                                 QStringList* problems)
{
    QList<Added> added;
    int there = 0;
    for (const Row& row : rows) {
        if (inGroup(list, row)) {
            ++there;
            continue;
        }
        const QStringList groups = row.group.isEmpty() ? QStringList() : QStringList{row.group};
        const QString picture = toolkit::childpictures::firstFree(list, groups);
        QString problem;
        const auto key = list.add(row.name, picture, groups, &problem);
        if (!key) {
            if (problems)
                *problems << problem;
            break; // the list is full: so is it for the rows after
        }
        added << Added{*key, picture, list.find(*key)->name};
    }
    if (there > 0 && problems)
        *problems << tr("Niños que ya estaban en su grupo y no se añaden otra vez: %1.").arg(there);
    return added;
}

std::optional<QList<ChildrenSheet::Added>>
ChildrenSheet::addTo(ClassBook& book, const QList<Row>& rows, QStringList* problems)
{
    QList<Added> added;
    QStringList told;
    QString problem;
    const bool written = book.editChildren(
        [&](toolkit::ClassList& list, QString*) {
            added = addTo(list, rows, &told);
            return true;
        },
        &problem);
    if (problems)
        *problems << (written ? told : QStringList{problem});
    if (!written)
        return std::nullopt;
    return added;
}

} // namespace classview
