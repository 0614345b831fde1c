#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(cp1252High[code - 0x80]) : QChar(code);
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeWindows1252(bytes);
}

QString withoutControlCharacters(QString text, QChar replacement)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = replacement;
    return text;
}

// TextFileReader -------------------------------------------------------------

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

// Where the first line ending of a buffer lies, or -1.
template <class Buffer> qsizetype lineEnd(const Buffer& buffer)
{
    for (qsizetype i = 0; i < buffer.size(); ++i) {
        if (buffer[i] == '\n' || buffer[i] == '\r')
            return i;
    }
    return -1;
}

template <class Buffer> qsizetype leadingEndings(const Buffer& buffer)
{
    qsizetype i = 0;
    while (i < buffer.size() && (buffer[i] == '\n' || buffer[i] == '\r'))
        ++i;
    return i;
}

QString decodeLine(const QByteArray& bytes)
{
    return decodeText(bytes);
}

QString decodeLine(const QString& text)
{
    return text;
}

} // namespace

// Opened without waiting (a FIFO with no writer would block open() for
// ever) and kept only when what was opened is a regular file: a FIFO, a
// device such as /dev/zero or a folder, even behind a link, is not read.
bool openRegularFile(QFile& file, const QString& path, Links links)
{
    const int noFollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noFollow);
    if (fd < 0)
        return false;
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, Links links)
{
    QFile file;
    if (!openRegularFile(file, path, links) || file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

TextFileReader::TextFileReader(const QString& path, qint64 maxBytes, qsizetype maxLineLength,
                               Links links)
    : file_(path), bytesLeft_(std::max<qint64>(0, maxBytes)),
      maxLineLength_(std::max<qsizetype>(1, maxLineLength))
{
    openRegularFile(file_, path, links);
}

bool TextFileReader::fill()
{
    if (ended_ || !file_.isOpen() || bytesLeft_ == 0) {
        ended_ = true;
        return false;
    }
    QByteArray chunk = file_.read(std::min(ChunkBytes, bytesLeft_));
    if (chunk.isEmpty()) {
        ended_ = true;
        return false;
    }
    bytesLeft_ -= chunk.size();
    if (!started_) {
        started_ = true;
        const bool little = chunk.startsWith("\xFF\xFE");
        if (little || chunk.startsWith("\xFE\xFF")) {
            wide_ = true;
            utf16_.emplace(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Default);
            chunk.remove(0, 2);
        }
    }
    if (wide_)
        text_ += utf16_->decode(chunk);
    else
        bytes_ += chunk;
    return true;
}

std::optional<QString> TextFileReader::readLine()
{
    return takeLine(false);
}

std::optional<QString> TextFileReader::readNonEmptyLine()
{
    return takeLine(true);
}

std::optional<QString> TextFileReader::takeLine(bool skipEmpty)
{
    // The same work on whichever buffer the file's encoding fills.
    auto take = [&](auto& buffer) -> std::optional<QString> {
        for (;;) {
            if (buffer.isEmpty() && !fill())
                return std::nullopt;
            if (skipEmpty) {
                buffer.remove(0, leadingEndings(buffer));
                afterCr_ = false;
                if (buffer.isEmpty())
                    continue;
            } else if (afterCr_) {
                // CR LF is one ending, even when a chunk ends between them.
                afterCr_ = false;
                if (buffer[0] == '\n') {
                    buffer.remove(0, 1);
                    continue;
                }
            }
            const qsizetype end = lineEnd(buffer);
            if (end >= 0 && end <= maxLineLength_) {
                const auto line = buffer.left(end);
                const bool crlf =
                    buffer[end] == '\r' && end + 1 < buffer.size() && buffer[end + 1] == '\n';
                afterCr_ = buffer[end] == '\r' && end + 1 == buffer.size();
                buffer.remove(0, end + (crlf ? 2 : 1));
                return decodeLine(line);
            }
            if (end < 0 && buffer.size() <= maxLineLength_) {
                if (fill())
                    continue;
                const auto line = buffer;
                buffer.clear();
                return decodeLine(line);
            }
            // Too long: keep the first part, pass over the rest of the line.
            const auto line = buffer.left(maxLineLength_);
            buffer.remove(0, maxLineLength_);
            for (;;) {
                const qsizetype rest = lineEnd(buffer);
                if (rest >= 0) {
                    afterCr_ = buffer[rest] == '\r';
                    buffer.remove(0, rest + 1);
                    break;
                }
                buffer.clear();
                if (!fill())
                    break;
            }
            return decodeLine(line);
        }
    };
    if (!started_ && !fill())
        return std::nullopt;
    return wide_ ? take(text_) : take(bytes_);
}

std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes,
                                         qsizetype maxLineLength)
{
    TextFileReader reader(path, maxBytes, maxLineLength);
    if (!reader.isOpen())
        return std::nullopt;
    QStringList lines;
    while (const auto line = reader.readLine())
        lines << *line;
    return lines;
}

QStringList readDelimitedFields(const QString& text, qsizetype maxFields)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && fields.size() < maxFields) {
        while (i < n && text[i] == QLatin1Char(' '))
            ++i;
        if (i >= n)
            break;
        if (text[i] == QLatin1Char('\n')) {
            ++i;
            continue; // an empty line holds no field
        }
        QString field;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1);
            i = end + 1;
            // Whatever follows the closing quote up to the delimiter is dropped.
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\n'))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && text[end] != QLatin1Char(',') && text[end] != QLatin1Char('\n'))
                ++end;
            field = text.mid(i, end - i);
            while (field.endsWith(QLatin1Char(' ')))
                field.chop(1);
            i = end;
        }
        if (i < n && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('\n')))
            ++i;
        fields << field;
    }
    return fields;
}

double leadingNumber(const QString& text)
{
    QByteArray number;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && number.isEmpty()) {
            number += c.toLatin1();
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += c.toLatin1();
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    const char* first = number.constData() + (number.startsWith('+') ? 1 : 0);
    const char* last = number.constData() + number.size();
    double value = 0;
    const std::errc error = std::from_chars(first, last, value).ec;
    if (error == std::errc::result_out_of_range) {
        // Past the range of a double: huge when a digit before the point is
        // not 0, else too small to tell from 0.
        const char* units = std::find(first, last, '.');
        const bool huge = std::any_of(first, units, [](char c) { return c >= '1' && c <= '9'; });
        const double magnitude = huge ? std::numeric_limits<double>::max() : 0.0;
        return number.startsWith('-') ? -magnitude : magnitude;
    }
    return error == std::errc() ? value : 0.0;
}

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    // The exact name is the common case and needs no listing of the folder.
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return name;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace toolkit
