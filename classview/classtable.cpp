#include "classtable.h"

#include "csvfields.h"

#include <QHash>
#include <QTimeZone>
#include <algorithm>
#include <limits>

namespace classview {

namespace {

// Far beyond a school year of play, and far from overflowing.
constexpr qint64 LongestTime = qint64(1) << 50; // seconds

// Figures a child wrote, never negative, stop at the largest int.
int sum(int a, int b)
{
    return static_cast<int>(std::min<qint64>(qint64(a) + b, std::numeric_limits<int>::max()));
}

} // namespace

QDate periodStart(Period period, const QDate& today)
{
    switch (period) {
    case Period::Today:
        return today;
    case Period::Week:
        return today.addDays(1 - today.dayOfWeek());
    case Period::Term: {
        const int month = today.month();
        const int first = month >= 9 ? 9 : month >= 4 ? 4 : 1;
        return QDate(today.year(), first, 1);
    }
    case Period::All:
        break;
    }
    return {};
}

ClassTable::ClassTable(QList<Child> children, LabThemes labThemes)
    : children_(std::move(children)), labThemes_(std::move(labThemes))
{
    std::sort(children_.begin(), children_.end(), [](const Child& a, const Child& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    const QHash<QString, int> column = chooseColumns();
    // The zone's rules are looked up once: the C library's local time looks
    // at /etc/localtime again for every one of a year's activities.
    const QTimeZone here = QTimeZone::systemTimeZone();
    // A class plays with a few settings, over and over: each is kept once.
    QHash<QString, int> reachIndex;

    for (const Child& child : children_) {
        // An activity is the same one through a reorder by its id.
        QHash<QString, int> keys;
        std::vector<Entry> entries;
        entries.reserve(static_cast<size_t>(child.played.size()));
        for (const auto& played : child.played) {
            int key = -1;
            if (played.finished.isValid()) {
                const QString name =
                    played.theme + QLatin1Char('\t') +
                    (played.id.isEmpty() ? QString::number(played.activity) : played.id);
                key = keys.value(name, static_cast<int>(keys.size()));
                keys.insert(name, key);
            }
            int reach = -1;
            if (!played.reach.isEmpty()) {
                reach = reachIndex.value(played.reach, static_cast<int>(reachTexts_.size()));
                if (reach == reachTexts_.size()) {
                    reachIndex.insert(played.reach, reach);
                    reachTexts_ << played.reach;
                }
            }
            entries.push_back({played.started.toTimeZone(here).date().toJulianDay(),
                               column.value(played.theme, others_), key, played.seconds(),
                               played.hints, played.wrongDots, reach});
        }
        entries_.push_back(std::move(entries));
    }
    setFilter({}, {});
}

QHash<QString, int> ClassTable::chooseColumns()
{
    QHash<QString, int> players; // of each theme of the lab played
    bool outside = false;
    for (const Child& child : children_) {
        QSet<QString> seen;
        for (const auto& played : child.played) {
            if (!labThemes_ || labThemes_->contains(played.theme))
                seen.insert(played.theme);
            else
                outside = true;
        }
        for (const QString& theme : seen)
            ++players[theme];
    }
    QList<std::pair<int, QString>> ranked;
    ranked.reserve(players.size());
    for (auto i = players.cbegin(); i != players.cend(); ++i)
        ranked.append({-i.value(), i.key()});
    const bool crowded = ranked.size() > MostThemes;
    const qsizetype named = crowded ? MostThemes - 1 : ranked.size();
    std::partial_sort(ranked.begin(), ranked.begin() + named, ranked.end());
    for (qsizetype i = 0; i < named; ++i)
        allThemes_ << ranked[i].second;
    std::sort(allThemes_.begin(), allThemes_.end());
    QHash<QString, int> column;
    for (qsizetype i = 0; i < allThemes_.size(); ++i)
        column.insert(allThemes_[i], static_cast<int>(i));
    if (crowded || outside) {
        others_ = static_cast<int>(allThemes_.size());
        allThemes_ << tr("otros temas");
    }
    return column;
}

bool ClassTable::inPeriod(const toolkit::PlayedActivity& played) const
{
    return !from_.isValid() || played.started.toLocalTime().date() >= from_;
}

void ClassTable::setFilter(const QSet<QString>& ids, const QDate& from)
{
    ids_ = ids;
    from_ = from;
    const qint64 first = from.isValid() ? from.toJulianDay() : std::numeric_limits<qint64>::min();

    rows_.clear();
    std::vector<Row> all;
    std::vector<bool> played(static_cast<size_t>(allThemes_.size()), false);
    for (qsizetype c = 0; c < children_.size(); ++c) {
        if (!ids_.isEmpty() && !ids_.contains(children_[c].id()))
            continue;
        Row row{c, std::vector<ThemeFigures>(static_cast<size_t>(allThemes_.size())), {}};
        std::vector<bool> counted;
        std::vector<int> reach;
        for (const Entry& entry : entries_[static_cast<size_t>(c)]) {
            if (entry.day < first)
                continue;
            // A record that holds settings by the hundred shows the first.
            if (entry.reach >= 0 && reach.size() < MostReachWords &&
                std::find(reach.cbegin(), reach.cend(), entry.reach) == reach.cend())
                reach.push_back(entry.reach);
            ThemeFigures& figures = row.figures[static_cast<size_t>(entry.theme)];
            played[static_cast<size_t>(entry.theme)] = true;
            ++figures.tries;
            figures.hints = sum(figures.hints, entry.hints);
            figures.wrongDots = sum(figures.wrongDots, entry.wrongDots);
            if (entry.finished < 0)
                continue;
            figures.seconds = std::min(figures.seconds + entry.seconds, LongestTime);
            if (static_cast<size_t>(entry.finished) >= counted.size())
                counted.resize(static_cast<size_t>(entry.finished) + 1, false);
            if (!counted[static_cast<size_t>(entry.finished)]) {
                counted[static_cast<size_t>(entry.finished)] = true;
                ++figures.finished;
            }
        }
        row.reach = reachWords(reach);
        all.push_back(std::move(row));
    }

    // The columns are the themes played in the period.
    themes_.clear();
    std::vector<size_t> shown;
    for (size_t t = 0; t < played.size(); ++t)
        if (played[t]) {
            themes_ << allThemes_[static_cast<qsizetype>(t)];
            shown.push_back(t);
        }
    for (Row& row : all) {
        std::vector<ThemeFigures> figures;
        figures.reserve(shown.size());
        for (size_t t : shown)
            figures.push_back(row.figures[t]);
        row.figures = std::move(figures);
        rows_.push_back(std::move(row));
    }
}

QStringList ClassTable::reachWords(const std::vector<int>& used) const
{
    QStringList words;
    for (int index : used)
        for (const QString& word : reachTexts_[index].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (!words.contains(word) && words.size() < MostReachWords)
                words << word;
    return words;
}

ThemeFigures ClassTable::figures(int row, int theme) const
{
    return rows_[static_cast<size_t>(row)].figures[static_cast<size_t>(theme)];
}

QList<toolkit::PlayedActivity> ClassTable::activities(int row) const
{
    QList<toolkit::PlayedActivity> list;
    for (const auto& played : child(row).played)
        if (inPeriod(played))
            list.prepend(played);
    return list;
}

QByteArray ClassTable::csv() const
{
    QList<QByteArray> header = {toolkit::csvCell(tr("Nombre")), toolkit::csvCell(tr("Usuario"))};
    for (const QString& theme : themes_)
        header << toolkit::csvCell(tr("%1: terminadas").arg(theme))
               << toolkit::csvCell(tr("%1: intentos").arg(theme))
               << toolkit::csvCell(tr("%1: minutos").arg(theme))
               << toolkit::csvCell(tr("%1: pistas").arg(theme));
    // Like the themes, the settings have a column only when someone played
    // with them: a lab without them exports what it always did.
    const bool reached = std::any_of(rows_.cbegin(), rows_.cend(),
                                     [](const Row& row) { return !row.reach.isEmpty(); });
    if (reached)
        header << toolkit::csvCell(tr("Ajustes"));
    QByteArray text = header.join(',') + "\r\n";
    for (int r = 0; r < rowCount(); ++r) {
        QList<QByteArray> fields = {toolkit::csvCell(child(r).name),
                                    toolkit::csvCell(child(r).login)};
        for (int t = 0; t < themes_.size(); ++t) {
            const ThemeFigures f = figures(r, t);
            fields << QByteArray::number(f.finished) << QByteArray::number(f.tries)
                   << QByteArray::number((f.seconds + 30) / 60) << QByteArray::number(f.hints);
        }
        if (reached)
            fields << toolkit::csvCell(reach(r).join(QLatin1Char(' ')));
        text += fields.join(',') + "\r\n";
    }
    return text;
}

} // namespace classview
