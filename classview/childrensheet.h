#pragma once

#include "classlist.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace classview {

class ClassBook;

// A spreadsheet of a class's children as a school's office keeps one: a
// name and a group on each line, a first line of headings allowed, read as
// spreadsheets write it (commas, semicolons or tabs, quoted fields, UTF-8
// or Windows-1252). Its children join the class list, each with a picture
// of their own in their group, so a child of three can say who they are.
class ChildrenSheet
{
    Q_DECLARE_TR_FUNCTIONS(classview::ChildrenSheet)

public:
    struct Row
    {
        QString name;
        QString group; // may be empty
    };
    struct Added
    {
        QString key;
        QString picture; // empty when every picture of the group is taken
        QString name;
    };

    // An adult's file, but no sheet of a class is larger.
    static constexpr qint64 LargestFile = 1024 * 1024;

    // The rows of `csv`; a line with no name is told in `problems` (its
    // number, bounded) and passed over.
    static QList<Row> parse(const QByteArray& csv, QStringList* problems);
    // The rows of the regular file at `path`; nullopt, told, when it is
    // none, is larger than LargestFile or holds no child at all.
    static std::optional<QList<Row>> read(const QString& path, QStringList* problems);

    // Adds the rows to `list`, a child whose name is in that group already
    // left as they are, each new one with the first picture nobody of their
    // group has. What was left out is told in `problems`.
    static QList<Added> addTo(toolkit::ClassList& list, const QList<Row>& rows,
                              QStringList* problems);
    // The rows added to the list of `book` under its lock, as one edit;
    // nullopt, with why in `problems`, when the list could not be written.
    static std::optional<QList<Added>> addTo(ClassBook& book, const QList<Row>& rows,
                                             QStringList* problems);
};

} // namespace classview
