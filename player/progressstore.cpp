#include "progressstore.h"

#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

int ProgressStore::lastShown(const QString& theme) const
{
    const auto found = themes_.find(theme);
    return found == themes_.end() ? 0 : found->second.lastShown;
}

bool ProgressStore::finished(const QString& theme, int activity) const
{
    const auto found = themes_.find(theme);
    return found != themes_.end() && found->second.finished.count(activity) > 0;
}

void ProgressStore::setLastShown(const QString& theme, int activity)
{
    if (!isActivity(activity) || lastShown(theme) == activity)
        return;
    themes_[theme].lastShown = activity;
    save();
}

void ProgressStore::setFinished(const QString& theme, int activity)
{
    if (!isActivity(activity) || !themes_[theme].finished.insert(activity).second)
        return;
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
        themes_[entry.key()] = theme;
    }
}

QByteArray ProgressStore::encoded() const
{
    QJsonObject themes;
    for (const auto& [name, theme] : themes_) {
        QJsonArray finished;
        for (int activity : theme.finished)
            finished.append(activity);
        themes.insert(name, QJsonObject{{QStringLiteral("ultima"), theme.lastShown},
                                        {QStringLiteral("terminadas"), finished}});
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
