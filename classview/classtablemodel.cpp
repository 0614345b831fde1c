#include "classtablemodel.h"

#include "plaintext.h"

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
        const QStringList& reach = table_.reach(index.row());
        if (role == Qt::DisplayRole && !reach.isEmpty())
            return child.name + QLatin1Char('\n') + reach.join(QLatin1Char(' '));
        if (role == Qt::DisplayRole || role == SortRole)
            return child.name;
        // Who the row is on the lab's computers: the account, or those a
        // child of the class list played on.
        const QString accounts =
            child.login.isEmpty() ? child.keptUnder.join(QStringLiteral(", ")) : child.login;
        if (role == Qt::ToolTipRole && !reach.isEmpty())
            return plainToolTip(accounts + QLatin1Char('\n') + reachExplained(reach));
        if (role == Qt::ToolTipRole)
            return accounts;
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

QString ClassTableModel::reachExplained(const QStringList& words)
{
    QStringList lines;
    for (const QString& word : words) {
        const QString key = word.section(QLatin1Char('='), 0, 0);
        bool number = false;
        const int value = word.section(QLatin1Char('='), 1).toInt(&number);
        number = number && value > 0;
        if (word == QLatin1String("pizarra"))
            lines << tr("pizarra: puntos y botones grandes, para el dedo");
        else if (word == QLatin1String("un-clic"))
            lines << tr("un-clic: cualquier botón del ratón pulsa");
        else if (word == QLatin1String("sin-fallos"))
            lines << tr("sin-fallos: los puntos equivocados no suenan");
        else if (number && key == QLatin1String("diana"))
            lines << tr("%1: se acierta en un círculo de %2 mm de ancho alrededor del punto")
                         .arg(word)
                         .arg(value);
        else if (number && key == QLatin1String("atraer"))
            lines << tr("%1: un toque a %2 mm del punto que toca cuenta como ese punto; "
                        "acertar es más fácil")
                         .arg(word)
                         .arg(value);
        else if (number && key == QLatin1String("permanencia"))
            lines << tr("%1: basta dejar el puntero %2 ms sobre el punto, sin pulsar")
                         .arg(word)
                         .arg(value);
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
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
