#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace toolkit;

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(TextFiles, DelimitedFieldsFollowQuotesCommasAndBlanks)
{
    struct Case
    {
        const char* text;
        QStringList fields;
    };
    const Case cases[] = {
        {"1,600,300,255,0,0,", {"1", "600", "300", "255", "0", "0"}},
        {",600,300,", {"", "600", "300"}},
        {"  x  , y", {"x", "y"}},
        {"\"a, b\",c", {"a, b", "c"}},
        {"\"ab\"cd,e", {"ab", "e"}},
        {"a\n\nb", {"a", "b"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readDelimitedFields(QString::fromUtf8(c.text)), c.fields) << c.text;
    EXPECT_EQ(readDelimitedFields("a,\"b,c\",d,e", 2), QStringList({"a", "b,c"}));
}

TEST(TextFiles, LeadingNumberReadsUpToTheFirstStrayCharacter)
{
    const std::pair<const char*, double> cases[] = {
        {" 200 ", 200}, {"12,75", 12}, {"-3.5x", -3.5}, {"1.2.3", 1.2}, {"abc", 0},
        {"+ 4 2", 42},  {"", 0},       {"-", 0},        {".5", 0.5},    {"7-1", 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;

    // Past the range of a double: the largest one of its sign, or 0.
    const QString digits(400, QLatin1Char('9'));
    EXPECT_EQ(leadingNumber(digits), std::numeric_limits<double>::max());
    EXPECT_EQ(leadingNumber("-" + digits + ".5"), -std::numeric_limits<double>::max());
    EXPECT_EQ(leadingNumber("0." + QString(400, QLatin1Char('0')) + "1"), 0.0);
    EXPECT_EQ(leadingNumber("000" + digits.left(10)), 9999999999.0);
}

TEST(TextFiles, DecodesUtf8AndFallsBackToWindows1252)
{
    EXPECT_EQ(decodeText("a\xc3\xb1o"), QStringLiteral("a\u00f1o"));
    EXPECT_EQ(decodeText("\xef\xbb\xbfsi"), QStringLiteral("si")); // byte order mark dropped
    EXPECT_EQ(decodeText("a\xf1o \x80"), QStringLiteral("a\u00f1o \u20ac"));
}

TEST(TextFiles, ReadsLinesWhateverTheirEndings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.txt"));
    writeFile(path, "uno\r\ndos\n\ntres");
    EXPECT_EQ(readTextLines(path), QStringList({"uno", "dos", "", "tres"}));
    writeFile(path, "uno\r\n");
    EXPECT_EQ(readTextLines(path), QStringList({"uno"}));
    EXPECT_FALSE(readTextLines(dir.filePath(QStringLiteral("2.txt"))));
    EXPECT_FALSE(readTextLines(dir.path()));
}

TEST(TextFiles, ReadsUtf16WithAByteOrderMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.txt"));
    const QString text = QStringLiteral("SI\r\n1,600,300,\u00f1,\r\n");
    QByteArray little("\xFF\xFE"), big("\xFE\xFF");
    for (const QChar c : text) {
        little += char(c.unicode() & 0xFF);
        little += char(c.unicode() >> 8);
        big += char(c.unicode() >> 8);
        big += char(c.unicode() & 0xFF);
    }
    for (const QByteArray& bytes : {little, big}) {
        writeFile(path, bytes);
        EXPECT_EQ(readTextLines(path), QStringList({"SI", "1,600,300,\u00f1,"}));
    }
}

TEST(TextFiles, ReaderKeepsToItsLimits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.txt"));

    // A long line is cut and the rest of it passed over.
    writeFile(path, QByteArray(100000, 'x') + "\r\nnext\r\n");
    EXPECT_EQ(readTextLines(path, TextFileReader::Unlimited, 8), QStringList({"xxxxxxxx", "next"}));

    // Nothing past the byte allowance is read.
    writeFile(path, "uno\ndos\ntres\n");
    EXPECT_EQ(readTextLines(path, 6), QStringList({"uno", "do"}));

    // CR LF split between two chunks of reading is still one ending, and
    // empty lines are passed over in bulk when asked.
    writeFile(path, QByteArray(65535, 'a') + "\r\n\n\n\r\nb\n\nc");
    TextFileReader reader(path);
    EXPECT_EQ(reader.readLine()->size(), 65535);
    EXPECT_EQ(reader.readLine(), QString());
    EXPECT_EQ(reader.readNonEmptyLine(), QStringLiteral("b"));
    EXPECT_EQ(reader.readNonEmptyLine(), QStringLiteral("c"));
    EXPECT_FALSE(reader.readNonEmptyLine());
    EXPECT_FALSE(reader.readLine());

    // Empty files and folders.
    writeFile(path, "");
    EXPECT_EQ(readTextLines(path), QStringList());
    EXPECT_FALSE(TextFileReader(dir.path()).isOpen());
}

TEST(TextFiles, FindsFilesIgnoringCaseButNotFolders)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("3.TXT")), "x");
    QDir(dir.path()).mkdir(QStringLiteral("4.txt"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("3.txt")), QStringLiteral("3.TXT"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("3.TXT")), QStringLiteral("3.TXT"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("4.txt")), QString());
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("5.txt")), QString());
}
