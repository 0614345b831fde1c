#include "progressstore.h"

#include "activityformat.h"
#include "textfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace player {

namespace {

// The mark of our own files, and the version of their layout.
const QString Format = QStringLiteral("lunipo-progreso");
constexpr int Version = 1;
// A child's file holds a few hundred bytes; anything far larger is not ours.
constexpr qint64 MaxFileBytes = 1024 * 1024;
// No theme holds this many activities; a larger number is damage.
constexpr int MaxActivity = 100000;

bool isActivity(int number)
{
    return number >= 1 && number <= MaxActivity;
}

// What an id of ours looks like; anything else in the file is damage.
bool isId(const QString& id)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{40}$"));
    return hex.match(id).hasMatch();
}

} // namespace

QString ProgressStore::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/progreso.json");
}

ProgressStore::ProgressStore(const QString& file) : file_(file)
{
    pool_.setMaxThreadCount(1);
    read();
}

ProgressStore::~ProgressStore()
{
    flush();
}

QString ProgressStore::idOf(const QString& activityFile)
{
    const auto text = toolkit::readRegularFile(activityFile, toolkit::activity::MaxFileBytes,
                                               toolkit::Links::Refuse);
    if (!text)
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(*text, QCryptographicHash::Sha1).toHex());
}

int ProgressStore::lastShown(const QString& theme) const
{
    const auto found = themes_.find(theme);
    return found == themes_.end() ? 0 : found->second.lastShown;
}

QString ProgressStore::lastShownId(const QString& theme) const
{
    const auto found = themes_.find(theme);
    return found == themes_.end() ? QString() : found->second.lastShownId;
}

bool ProgressStore::finished(const QString& theme, int activity, const QString& id) const
{
    const auto found = themes_.find(theme);
    return found != themes_.end() && ((!id.isEmpty() && found->second.finishedIds.count(id) > 0) ||
                                      found->second.finished.count(activity) > 0);
}

void ProgressStore::setLastShown(const QString& theme, int activity, const QString& id)
{
    if (!isActivity(activity) || (lastShown(theme) == activity && lastShownId(theme) == id))
        return;
    themes_[theme].lastShown = activity;
    themes_[theme].lastShownId = id;
    save();
}

void ProgressStore::setFinished(const QString& theme, int activity, const QString& id)
{
    if (!isActivity(activity))
        return;
    Theme& kept = themes_[theme];
    const bool added =
        id.isEmpty() ? kept.finished.insert(activity).second : kept.finishedIds.insert(id).second;
    if (added)
        save();
}

void ProgressStore::flush()
{
    pool_.waitForDone();
}

void ProgressStore::read()
{
    const auto bytes = toolkit::readRegularFile(file_, MaxFileBytes);
    if (!bytes)
        return;
    const QJsonObject root = QJsonDocument::fromJson(*bytes).object();
    if (root.value(Format).toInt() != Version)
        return;
    const QJsonObject themes = root.value(QStringLiteral("temas")).toObject();
    for (auto entry = themes.begin(); entry != themes.end(); ++entry) {
        const QJsonObject saved = entry.value().toObject();
        Theme theme;
        const int last = saved.value(QStringLiteral("ultima")).toInt();
        theme.lastShown = isActivity(last) ? last : 0;
        for (const QJsonValue done : saved.value(QStringLiteral("terminadas")).toArray())
            if (isActivity(done.toInt()))
                theme.finished.insert(done.toInt());
        if (const QString id = saved.value(QStringLiteral("ultimaId")).toString(); isId(id))
            theme.lastShownId = id;
        for (const QJsonValue done : saved.value(QStringLiteral("terminadasId")).toArray())
            if (isId(done.toString()))
                theme.finishedIds.insert(done.toString());
        themes_[entry.key()] = theme;
    }
}

QByteArray ProgressStore::encoded() const
{
    QJsonObject themes;
    for (const auto& [name, theme] : themes_) {
        QJsonArray finished, finishedIds;
        for (int activity : theme.finished)
            finished.append(activity);
        for (const QString& id : theme.finishedIds)
            finishedIds.append(id);
        QJsonObject kept{{QStringLiteral("ultima"), theme.lastShown},
                         {QStringLiteral("terminadas"), finished}};
        // Ids only where there are some: files written before read as before.
        if (!theme.lastShownId.isEmpty())
            kept.insert(QStringLiteral("ultimaId"), theme.lastShownId);
        if (!finishedIds.isEmpty())
            kept.insert(QStringLiteral("terminadasId"), finishedIds);
        themes.insert(name, kept);
    }
    const QJsonObject root{{Format, Version}, {QStringLiteral("temas"), themes}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void ProgressStore::save()
{
    QMutexLocker lock(&mutex_);
    // A write already waiting takes the newest contents when its turn comes.
    const bool queued = pending_.has_value();
    pending_ = encoded();
    if (!queued)
        pool_.start([this] { writePending(); });
}

void ProgressStore::writePending()
{
    QByteArray contents;
    {
        QMutexLocker lock(&mutex_);
        contents = std::move(*pending_);
        pending_.reset();
    }
    // A child's progress is a nicety: a full or read-only disk loses it and
    // the player goes on as before.
    QDir().mkpath(QFileInfo(file_).path());
    QSaveFile file(file_);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size())
        file.commit();
}

} // namespace player
