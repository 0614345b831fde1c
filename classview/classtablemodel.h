#pragma once

#include "classtable.h"

#include <QAbstractTableModel>
#include <QCoreApplication>

namespace classview {

// The class table as the window's view shows it: the children's names in
// the first column, then a column per theme with what each child did there.
// Sorting a theme's column puts those who finished most first. A child who
// played with reach settings in the period has them under the name, and
// what each means in its tooltip.
class ClassTableModel : public QAbstractTableModel
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassTableModel)

public:
    // What a proxy sorts by: the name, or the figures of a theme.
    static constexpr int SortRole = Qt::UserRole;

    explicit ClassTableModel(QObject* parent = nullptr);

    // Shows `table` from now on; the view's rows are laid out afresh.
    void show(const ClassTable& table);
    const ClassTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "45 s", "3 min", "1 h 5 min": how the window writes a time.
    static QString duration(qint64 seconds);
    // What each reach setting ("atraer=4") did for the child, a line each;
    // a word it does not know is told as it is.
    static QString reachExplained(const QStringList& words);

private:
    ClassTable table_;
};

} // namespace classview
