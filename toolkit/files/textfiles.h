#pragma once

#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <limits>
#include <optional>

namespace toolkit {

// Decodes 8-bit text: UTF-8 when the bytes are valid UTF-8 (so a file saved
// by a modern editor keeps its accents), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);

// `text` with every control character (C0, DEL, C1: a line break, a tab, a
// terminal's escape) replaced by `replacement`: for a name someone else chose
// that goes into a line of a file or onto a terminal.
QString withoutControlCharacters(QString text, QChar replacement = QLatin1Char(' '));

// Whether a symbolic link is followed to the file it names. In a folder that
// others can write (a shared theme), a link may lead anywhere: it is refused.
enum class Links { Follow, Refuse };

// Opens `path` for reading when it is a regular file (a link to one
// included, unless links are refused); false, without waiting, for a FIFO,
// a device or a folder.
bool openRegularFile(QFile& file, const QString& path, Links links = Links::Follow);
// The whole of a regular file of at most `maxBytes` bytes; nullopt when it
// is larger, cannot be read, or is no regular file.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes,
                                          Links links = Links::Follow);

// Reads a text file one line at a time, so that a reader takes only the
// lines it uses and a damaged or hostile file costs no more than its limits:
// at most `maxBytes` bytes are read from the file (what lies beyond counts as
// absent), and a line longer than `maxLineLength` characters is cut there,
// the rest of it skipped unread into memory.
//
// Lines end with CR LF, LF or CR. A file that starts with a UTF-16 byte-order
// mark is read as UTF-16; otherwise each line is 8-bit text, decoded as
// decodeText does (a UTF-8 byte-order mark is dropped).
class TextFileReader
{
public:
    static constexpr qint64 Unlimited = std::numeric_limits<qint64>::max();

    explicit TextFileReader(const QString& path, qint64 maxBytes = Unlimited,
                            qsizetype maxLineLength = std::numeric_limits<int>::max(),
                            Links links = Links::Follow);

    // Whether the file could be opened (a folder cannot).
    bool isOpen() const { return file_.isOpen(); }
    // The next line without its ending; nullopt at the end of the file or of
    // the byte allowance. A last line without an ending counts.
    std::optional<QString> readLine();
    // The next line that is not empty, skipping empty ones cheaply.
    std::optional<QString> readNonEmptyLine();

private:
    bool fill(); // reads the next chunk; false at the end
    std::optional<QString> takeLine(bool skipEmpty);

    QFile file_;
    qint64 bytesLeft_;
    qsizetype maxLineLength_;
    bool wide_ = false; // UTF-16: decoded chunk by chunk into `text_`
    std::optional<QStringDecoder> utf16_;
    QByteArray bytes_; // 8-bit text not yet handed out
    QString text_;     // UTF-16 text not yet handed out
    bool started_ = false;
    bool ended_ = false;
    bool afterCr_ = false; // the last line ended with a CR that may have its LF next
};

// The lines of a text file, ended by CR LF or LF; nullopt when it cannot be
// read. A last line without an ending counts; an ending at the very end adds
// no empty line. The limits are those of TextFileReader.
std::optional<QStringList> readTextLines(const QString& path,
                                         qint64 maxBytes = TextFileReader::Unlimited,
                                         qsizetype maxLineLength = std::numeric_limits<int>::max());

// The fields of a text read by the delimited-input rule: leading blanks are
// skipped; a field that starts with a double quote runs to the next double
// quote (quotes removed, commas kept); any other field runs to the next comma
// or the end of the line, trailing blanks dropped. At most `maxFields` are
// read; the text after them is not looked at.
QStringList readDelimitedFields(const QString& text,
                                qsizetype maxFields = std::numeric_limits<qsizetype>::max());

// The number at the start of a text, by the leading-number rule: blanks
// anywhere are ignored, then an optional sign, digits and at most one "."
// as decimal point; the first other character ends it. No number reads 0;
// one too large for a double reads as the largest double of its sign, one too
// small as 0.
double leadingNumber(const QString& text);

// The name of the file in `folder` whose name equals `name` ignoring case,
// or an empty text when there is none (directories do not count).
QString findFileIgnoringCase(const QString& folder, const QString& name);

} // namespace toolkit
