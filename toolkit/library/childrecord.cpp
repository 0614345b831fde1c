#include "childrecord.h"

#include "newfile.h"
#include "textfiles.h"
#include "writablefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace toolkit {

namespace {

const QByteArray Header = "lunipo-registro 1";
// A record file, and all of a child's files together: some 60 000 activities.
constexpr qint64 LargestRecord = 8 * 1024 * 1024;
// An activity's number, its hints or wrong dots: far beyond what any child
// does, and small enough that no sum of a year's records overflows.
constexpr int LargestFigure = 100'000;
constexpr int Fields = 9; // and the reach settings, when any was on
// Three times all of today's settings at their longest: room for more, and
// no record that makes the teacher's window carry a novel per activity.
constexpr qsizetype LargestReach = 200;

// A tab or a line break in a name would break the line it is on.
QByteArray field(const QString& text)
{
    return withoutControlCharacters(text).toUtf8();
}

QByteArray timeField(const QDateTime& when)
{
    return when.isValid() ? when.toUTC().toString(Qt::ISODate).toUtf8() : QByteArray("-");
}

// The settings as a line holds them: no control character, no space at
// either end, and at most LargestReach bytes, cut between characters, so
// that what is read writes back the same.
QString reachField(const QString& reach)
{
    QString text = withoutControlCharacters(reach).trimmed();
    while (text.toUtf8().size() > LargestReach)
        text.chop(text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1);
    return text.trimmed();
}

bool readCount(const QByteArray& text, int* count)
{
    bool ok = false;
    *count = text.toInt(&ok);
    return ok && *count >= 0 && *count <= LargestFigure;
}

std::optional<PlayedActivity> parseLine(const QByteArray& line)
{
    const QList<QByteArray> parts = line.split('\t');
    if (parts.size() != Fields && parts.size() != Fields + 1)
        return std::nullopt;
    PlayedActivity played;
    played.started = QDateTime::fromString(QString::fromUtf8(parts[0]), Qt::ISODate);
    if (parts[1] != "-")
        played.finished = QDateTime::fromString(QString::fromUtf8(parts[1]), Qt::ISODate);
    played.theme = QString::fromUtf8(parts[2]);
    played.id = QString::fromUtf8(parts[4]);
    played.coloured = parts[7] == "1";
    played.savedDrawing = QString::fromUtf8(parts[8]);
    if (parts.size() > Fields) {
        if (parts[Fields].size() > LargestReach)
            return std::nullopt;
        played.reach = reachField(QString::fromUtf8(parts[Fields]));
    }
    const bool counts = readCount(parts[3], &played.activity) && played.activity > 0 &&
                        readCount(parts[5], &played.wrongDots) &&
                        readCount(parts[6], &played.hints);
    if (!counts || !played.started.isValid() || (parts[1] != "-" && !played.finished.isValid()) ||
        played.theme.isEmpty() || (parts[7] != "0" && parts[7] != "1"))
        return std::nullopt;
    return played;
}

void tell(const QString& text)
{
    std::fprintf(stderr, "lunipo: %s\n", qPrintable(text));
}

} // namespace

qint64 PlayedActivity::seconds() const
{
    return finished.isValid() ? std::max<qint64>(0, started.secsTo(finished)) : 0;
}

QList<PlayedActivity> childrecord::parse(const QByteArray& contents, bool* ok)
{
    QList<QByteArray> lines = contents.split('\n');
    const bool record = !lines.isEmpty() && lines.first().trimmed() == Header;
    if (ok)
        *ok = record;
    QList<PlayedActivity> activities;
    if (!record)
        return activities;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (const auto played = parseLine(lines[i]))
            activities << *played;
    return activities;
}

QByteArray childrecord::format(const QList<PlayedActivity>& activities)
{
    QByteArray text = Header + '\n';
    for (const PlayedActivity& a : activities) {
        const QList<QByteArray> parts = {timeField(a.started),
                                         timeField(a.finished),
                                         field(a.theme),
                                         QByteArray::number(a.activity),
                                         field(a.id),
                                         QByteArray::number(a.wrongDots),
                                         QByteArray::number(a.hints),
                                         a.coloured ? "1" : "0",
                                         field(a.savedDrawing)};
        text += parts.join('\t');
        // Left out when empty, so that what a child plays without settings
        // still reads in a class view older than the field; cut to what a
        // reader takes, so that the activity itself is never lost.
        if (const QString reach = reachField(a.reach); !reach.isEmpty())
            text += '\t' + reach.toUtf8();
        text += '\n';
    }
    return text;
}

QList<PlayedActivity> childrecord::read(const QString& folder, QStringList* problems)
{
    QList<PlayedActivity> all;
    // The latest months first: what lies beyond a record's limit altogether
    // is passed over, so that one child costs the class no more than a child.
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::System, QDir::Name | QDir::Reversed);
    qint64 left = LargestRecord;
    for (const QFileInfo& info : files) {
        // The look at the file only chooses what to tell: the file is opened
        // once, without waiting or following a link, and only what was
        // opened is read, so a FIFO swapped in meanwhile holds nothing up.
        QString problem;
        std::optional<QByteArray> contents;
        if (info.isSymLink() || !info.isFile())
            problem = ChildRecordWriter::tr("no es un archivo");
        else if (info.size() > LargestRecord)
            problem = ChildRecordWriter::tr("es demasiado grande");
        else if (info.size() > left)
            problem = ChildRecordWriter::tr("no cabe con los demás registros del niño");
        else if (!(contents = readRegularFile(info.filePath(), left, Links::Refuse)))
            problem = ChildRecordWriter::tr("no se puede leer");
        bool record = false;
        const QList<PlayedActivity> activities =
            contents ? childrecord::parse(*contents, &record) : QList<PlayedActivity>();
        if (problem.isEmpty() && !record)
            problem = ChildRecordWriter::tr("no es un registro de Lunipo");
        if (!problem.isEmpty()) {
            if (problems)
                *problems << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(info.filePath()),
                                                          problem);
            continue;
        }
        left -= contents->size();
        all << activities;
    }
    std::stable_sort(all.begin(), all.end(), [](const PlayedActivity& a, const PlayedActivity& b) {
        return a.started < b.started;
    });
    return all;
}

struct ChildRecordWriter::Shared
{
    QString folder;
    QString host;
    QDateTime opened;

    std::mutex mutex;
    std::condition_variable changed;
    QList<PlayedActivity> activities; // this run's
    long generation = 0;              // changes made
    long written = 0;                 // changes written or failed
    bool lastOk = true;
    bool stop = false;
    bool done = false;
    QString file; // set once the folder was reached

    // Worker-only.
    QList<PlayedActivity> earlier; // the file's activities from before this run
    std::unique_ptr<QLockFile> lock;
    bool told = false;

    // Makes the folder and chooses the file: this computer's file of the
    // month, unless another player of the child holds it here or it is not
    // a record, then one of this run's own.
    bool prepare()
    {
        if (!file.isEmpty())
            return true;
        QDir dir(folder);
        if (!dir.exists()) {
            if (!dir.mkpath(QStringLiteral(".")))
                return false;
            // Closed to the other children; the group (the teachers, given
            // by the setgid root) reads it and may move a past school
            // year's files to the trash.
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::WriteGroup |
                                              QFile::ExeGroup);
        }
        // Another child may have made the folder in this one's name before
        // this one first played: the teachers would read that one's record.
        if (!isOwnFolder(folder)) {
            if (!std::exchange(told, true))
                tell(ChildRecordWriter::tr("%1 no es de esta cuenta: otra la hizo en su nombre. "
                                           "No se escribe en ella el registro del niño.")
                         .arg(QDir::toNativeSeparators(folder)));
            return false;
        }
        const QString month = opened.toString(QStringLiteral("yyyy-MM"));
        const QString shared = dir.filePath(QStringLiteral("%1-%2.txt").arg(month, host));
        auto held = std::make_unique<QLockFile>(shared + QStringLiteral(".lock"));
        held->setStaleLockTime(0);
        QString chosen;
        const bool mine = held->tryLock(0);
        if (!mine && held->error() != QLockFile::LockFailedError)
            return false; // the folder cannot be written now
        if (mine) {
            // Opened once, as the teacher's reading does: whatever else lies
            // under the name (a link, a FIFO) is left alone.
            bool record = true;
            if (const auto contents = readRegularFile(shared, LargestRecord, Links::Refuse)) {
                earlier = childrecord::parse(*contents, &record);
            } else {
                const QFileInfo info(shared);
                record = !info.exists() && !info.isSymLink();
            }
            if (record) {
                chosen = shared;
                lock = std::move(held);
            } else {
                earlier.clear();
            }
        }
        if (chosen.isEmpty())
            chosen = dir.filePath(QStringLiteral("%1-%2-%3.txt")
                                      .arg(month, host)
                                      .arg(QCoreApplication::applicationPid()));
        std::lock_guard guard(mutex);
        file = chosen;
        return true;
    }

    void run()
    {
        std::unique_lock guard(mutex);
        while (true) {
            const auto due = [this] { return stop || written < generation; };
            if (lastOk)
                changed.wait(guard, due);
            else if (!changed.wait_for(guard, std::chrono::seconds(30), due))
                written = generation - 1; // try the failed write again
            if (written >= generation && stop)
                break;
            const QList<PlayedActivity> snapshot = activities;
            const long writing = generation;
            guard.unlock();
            const bool ok = prepare() && writeFile(file, childrecord::format(earlier + snapshot));
            // The folder cannot keep the root's setgid (a child is not in the
            // teachers' group), so the file has the child's own group: the
            // teachers read it as "others", whatever the child's umask. The
            // folder keeps it from the other children.
            if (ok)
                QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther);
            if (!ok && !told) {
                told = true;
                tell(ChildRecordWriter::tr("no se puede escribir el registro del niño en %1; "
                                           "se intentará de nuevo")
                         .arg(QDir::toNativeSeparators(folder)));
            }
            guard.lock();
            written = writing;
            lastOk = ok;
            changed.notify_all();
            if (stop && !ok)
                break; // the last try at the end failed: nothing more to do
        }
        done = true;
        changed.notify_all();
    }
};

ChildRecordWriter::ChildRecordWriter(const QString& folder, const QString& host,
                                     const QDateTime& now)
    : shared_(std::make_shared<Shared>())
{
    shared_->folder = folder;
    shared_->host = QString(host).replace(QLatin1Char('/'), QLatin1Char('_'));
    shared_->opened = now;
    std::thread([shared = shared_] { shared->run(); }).detach();
}

ChildRecordWriter::~ChildRecordWriter()
{
    std::unique_lock guard(shared_->mutex);
    shared_->stop = true;
    shared_->changed.notify_all();
    // A server that is gone would hold the end of the program; what is not
    // written by then is given up.
    shared_->changed.wait_for(guard, std::chrono::seconds(2), [this] { return shared_->done; });
}

void ChildRecordWriter::change(const std::function<bool(PlayedActivity&)>& edit)
{
    std::lock_guard guard(shared_->mutex);
    if (shared_->activities.isEmpty() || !edit(shared_->activities.last()))
        return;
    ++shared_->generation;
    shared_->changed.notify_all();
}

void ChildRecordWriter::started(const QString& theme, int activity, const QString& id,
                                const QDateTime& when, const QString& reach)
{
    std::lock_guard guard(shared_->mutex);
    PlayedActivity played;
    played.theme = theme;
    played.activity = activity;
    played.id = id;
    played.started = when;
    played.reach = reach;
    shared_->activities << played;
    ++shared_->generation;
    shared_->changed.notify_all();
}

void ChildRecordWriter::wrongDot()
{
    change([](PlayedActivity& a) { return ++a.wrongDots; });
}

void ChildRecordWriter::hintShown()
{
    change([](PlayedActivity& a) { return ++a.hints; });
}

void ChildRecordWriter::finished(const QDateTime& when)
{
    change([&](PlayedActivity& a) {
        a.finished = when;
        return true;
    });
}

void ChildRecordWriter::coloured()
{
    change([](PlayedActivity& a) { return !std::exchange(a.coloured, true); });
}

void ChildRecordWriter::saved(const QString& fileName)
{
    change([&](PlayedActivity& a) {
        a.savedDrawing = fileName;
        return true;
    });
}

bool ChildRecordWriter::flush()
{
    std::unique_lock guard(shared_->mutex);
    shared_->changed.wait_for(guard, std::chrono::seconds(10), [this] {
        return shared_->written >= shared_->generation || shared_->done;
    });
    return shared_->written >= shared_->generation && shared_->lastOk;
}

QString ChildRecordWriter::file() const
{
    std::lock_guard guard(shared_->mutex);
    return shared_->file;
}

} // namespace toolkit
