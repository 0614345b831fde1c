#include "workingstate.h"

#include "activityformat.h"
#include "textfiles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>
#include <type_traits>

namespace editor {

namespace activity = toolkit::activity;

namespace {

constexpr quint32 Magic = 0x4C554E57; // "LUNW"
// Version 1 had no look for the dots; it is still read.
constexpr quint16 Version = 2;
constexpr auto Hash = QCryptographicHash::Sha256;
constexpr int HashSize = 32;

// Far beyond what the editor makes, and small enough that a damaged or
// hostile file never makes it allocate much: pages up to an 8K screen, one
// at a time.
constexpr int MaxPages = 10;
constexpr int MaxPageSide = 8192;
constexpr qint64 MaxPagePixels = 7680LL * 4320;
constexpr int MaxDotEntries = 10000;
constexpr int MaxEntryBytes = 1024;
constexpr qint64 MaxFileBytes = 256LL << 20; // a real one holds a few megabytes at most

const QString FileName = QStringLiteral("trabajo-editor.dat");
const QString LockName = QStringLiteral("trabajo-editor.lock");

bool isWhite(const QImage& page)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF)
                return false;
    }
    return true;
}

// Waits for a page put aside to be compressed: only on the worker.
toolkit::CompactImage compacted(const WorkingState::Page& page)
{
    if (const auto* image = std::get_if<QImage>(&page))
        return toolkit::CompactImage(*image);
    if (const auto* parked = std::get_if<toolkit::ParkedImage>(&page))
        return parked->compact();
    return std::get<toolkit::CompactImage>(page);
}

// Reads a length-prefixed block no longer than `limit` and no longer than
// what is left, so a damaged length never makes a large allocation.
bool readBlock(QDataStream& in, qint64 limit, QByteArray& block)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || size > limit || size > in.device()->bytesAvailable())
        return false;
    block.resize(size);
    return in.readRawData(block.data(), static_cast<int>(size)) == static_cast<int>(size);
}

void writeBlock(QDataStream& out, const QByteArray& block)
{
    out << static_cast<quint32>(block.size());
    out.writeRawData(block.constData(), static_cast<int>(block.size()));
}

bool plausiblePage(qint32 width, qint32 height, qint32 format)
{
    if (width < 1 || height < 1 || width > MaxPageSide || height > MaxPageSide ||
        qint64(width) * height > MaxPagePixels)
        return false;
    if (format <= QImage::Format_Invalid || format >= QImage::NImageFormats)
        return false;
    return QImage::toPixelFormat(QImage::Format(format)).bitsPerPixel() <= 32;
}

std::optional<WorkingState::Page> readPage(QDataStream& in)
{
    qint32 width = 0, height = 0, format = 0;
    in >> width >> height >> format;
    QByteArray bytes;
    if (!plausiblePage(width, height, format) ||
        !readBlock(in, qint64(width) * height * 4 + 1024, bytes))
        return std::nullopt;
    const auto page =
        toolkit::CompactImage::fromBytes(QSize(width, height), QImage::Format(format), bytes);
    if (page.image().isNull()) // damaged inside: expanded once, then let go
        return std::nullopt;
    return page;
}

// One look for each dot entry, or none at all; sizes within what an activity
// may give its dots.
bool readDotLooks(QDataStream& in, quint32 entries, std::vector<WorkingState::DotLook>& looks)
{
    quint32 count = 0;
    in >> count;
    if (count != 0 && count != entries)
        return false;
    looks.resize(count);
    for (WorkingState::DotLook& look : looks) {
        qint32 page = 0, radius = 0;
        in >> page >> radius >> look.fontSize >> look.starts;
        look.page = page;
        look.radius = radius;
        if (in.status() != QDataStream::Ok || page < 0 || radius < 0 ||
            radius > activity::MaxHitRadius || !(look.fontSize >= activity::MinFontSize) ||
            !(look.fontSize <= activity::MaxFontSize))
            return false;
    }
    return true;
}

} // namespace

QImage pageImage(const WorkingState::Page& page)
{
    return std::visit(
        [](const auto& held) -> QImage {
            if constexpr (std::is_same_v<std::decay_t<decltype(held)>, QImage>)
                return held;
            else
                return held.image();
        },
        page);
}

bool WorkingState::isBlank() const
{
    if (!dotEntries.isEmpty())
        return false;
    for (const Page& page : pages)
        if (!isWhite(pageImage(page)))
            return false;
    return true;
}

QByteArray encode(WorkingState state)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << Magic << Version << state.written << qint32(state.canvasSize.width())
        << qint32(state.canvasSize.height()) << qint32(state.currentPage)
        << qint32(state.activeTool) << qint32(state.dotNumber) << state.newFigure << state.prevDotX
        << state.prevDotY << state.firstDotX << qint32(state.firstDotY) << qint32(state.stepIndex)
        << qint32(state.dotSize) << state.circles;
    out << quint32(state.dotEntries.size());
    for (const QString& entry : state.dotEntries)
        writeBlock(out, entry.toUtf8());
    out << quint32(state.dotLooks.size());
    for (const WorkingState::DotLook& look : state.dotLooks)
        out << qint32(look.page) << qint32(look.radius) << look.fontSize << look.starts;
    out << quint32(state.pages.size());
    for (WorkingState::Page& page : state.pages) {
        const toolkit::CompactImage stored = compacted(page);
        page = stored; // the whole picture is no longer held
        out << qint32(stored.size().width()) << qint32(stored.size().height())
            << qint32(stored.format());
        writeBlock(out, stored.bytes());
    }
    bytes += QCryptographicHash::hash(bytes, Hash);
    return bytes;
}

std::optional<WorkingState> decode(const QByteArray& bytes)
{
    if (bytes.size() <= HashSize)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - HashSize);
    if (QCryptographicHash::hash(body, Hash) != bytes.right(HashSize))
        return std::nullopt;
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != Magic || version < 1 || version > Version)
        return std::nullopt;

    WorkingState state;
    qint32 width = 0, height = 0, page = 0, tool = 0, number = 0, firstY = 0, step = 0, size = 0;
    in >> state.written >> width >> height >> page >> tool >> number >> state.newFigure >>
        state.prevDotX >> state.prevDotY >> state.firstDotX >> firstY >> step >> size >>
        state.circles;
    state.canvasSize = QSize(width, height);
    state.currentPage = page;
    state.activeTool = tool;
    state.dotNumber = number;
    state.firstDotY = firstY;
    state.stepIndex = step;
    state.dotSize = size;
    if (in.status() != QDataStream::Ok || !plausiblePage(width, height, QImage::Format_RGB32) ||
        !std::isfinite(state.prevDotX) || !std::isfinite(state.prevDotY) ||
        !std::isfinite(state.firstDotX))
        return std::nullopt;

    quint32 entries = 0;
    in >> entries;
    if (entries > MaxDotEntries)
        return std::nullopt;
    for (quint32 i = 0; i < entries; ++i) {
        QByteArray entry;
        if (!readBlock(in, MaxEntryBytes, entry))
            return std::nullopt;
        state.dotEntries << QString::fromUtf8(entry);
    }
    if (version >= 2 && !readDotLooks(in, entries, state.dotLooks))
        return std::nullopt;

    quint32 pages = 0;
    in >> pages;
    if (pages < 1 || pages > MaxPages || page < 0 || quint32(page) >= pages)
        return std::nullopt;
    for (const WorkingState::DotLook& look : state.dotLooks)
        if (quint32(look.page) >= pages)
            return std::nullopt;
    for (quint32 i = 0; i < pages; ++i) {
        std::optional<WorkingState::Page> read = readPage(in);
        if (!read)
            return std::nullopt;
        state.pages.push_back(std::move(*read));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return state;
}

WorkingStateStore::WorkingStateStore(const QString& folder) : folder_(folder)
{
    QDir().mkpath(folder_);
}

WorkingStateStore::~WorkingStateStore() = default;

QString WorkingStateStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo");
}

QString WorkingStateStore::path() const
{
    return QDir(folder_).filePath(FileName);
}

bool WorkingStateStore::lock()
{
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(LockName));
    // A lock is stale only when its editor is gone (killed, or the machine
    // went down), never because it is old: an editor may stay open for days.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    lock_.reset();
    return false;
}

WorkingStateStore::Found WorkingStateStore::read(WorkingState& state) const
{
    if (!QFileInfo(path()).exists())
        return Found::Nothing;
    const auto bytes = toolkit::readRegularFile(path(), MaxFileBytes);
    if (!bytes)
        return Found::Damaged;
    std::optional<WorkingState> decoded = decode(*bytes);
    if (!decoded)
        return Found::Damaged;
    state = std::move(*decoded);
    return Found::State;
}

bool WorkingStateStore::write(const QByteArray& encoded) const
{
    QSaveFile file(path());
    return file.open(QIODevice::WriteOnly) && file.write(encoded) == encoded.size() &&
           file.commit();
}

void WorkingStateStore::discard() const
{
    QFile::remove(path());
}

} // namespace editor
