#include "classtablemodel.h"

namespace classview {

ClassTableModel::ClassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ClassTableModel::show(const ClassTable& table)
{
    beginResetModel();
    table_ = table;
    endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rowCount();
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + static_cast<int>(table_.themes().size());
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.column() == 0) {
        const Child& child = table_.child(index.row());
        if (role == Qt::DisplayRole || role == SortRole)
            return child.name;
        if (role == Qt::ToolTipRole)
            return child.login;
        return {};
    }
    const ThemeFigures f = table_.figures(index.row(), index.column() - 1);
    switch (role) {
    case Qt::DisplayRole:
        if (f.tries == 0)
            return QString();
        return tr("%1 de %2\n%3 · pistas: %4")
            .arg(f.finished)
            .arg(f.tries)
            .arg(duration(f.seconds))
            .arg(f.hints);
    case Qt::ToolTipRole:
        return f.tries == 0 ? QVariant()
                            : tr("%1 actividades terminadas de %2 empezadas, en %3; %4 pistas y "
                                 "%5 puntos equivocados")
                                  .arg(f.finished)
                                  .arg(f.tries)
                                  .arg(duration(f.seconds))
                                  .arg(f.hints)
                                  .arg(f.wrongDots);
    case SortRole:
        // Most finished first, then the fewest hints; who never played
        // there comes last.
        return f.tries == 0 ? qint64(-1'000'000)
                            : qint64(f.finished) * 1'000'000 - qMin(f.hints, 999'999);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::ToolTipRole && section > 0)
        return tr("Terminadas de empezadas, el tiempo y las pistas");
    if (role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Niño o niña");
    return table_.themes().value(section - 1);
}

QString ClassTableModel::duration(qint64 seconds)
{
    if (seconds < 60)
        return tr("%1 s").arg(seconds);
    if (seconds < 3600)
        return tr("%1 min").arg((seconds + 30) / 60);
    return tr("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

} // namespace classview
