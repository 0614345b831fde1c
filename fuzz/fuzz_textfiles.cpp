// The toolkit's text readers: line reading within limits, delimited fields,
// the leading-number rule and 8-bit decoding, on any bytes.

#include "fuzzsupport.h"
#include "textfiles.h"

#include <QTemporaryDir>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("input.txt"));
    fuzz::writeFile(path, data, size);

    // Limits from the first bytes, small enough to cut lines and the file.
    const qint64 maxBytes = size > 0 ? 1 + data[0] * 16 : toolkit::TextFileReader::Unlimited;
    const qsizetype maxLine = size > 1 ? 1 + data[1] : 1024;
    toolkit::TextFileReader reader(path, maxBytes, maxLine);
    qint64 taken = 0;
    bool skip = false;
    while (const auto line = skip ? reader.readNonEmptyLine() : reader.readLine()) {
        if (line->size() > maxLine || (skip && line->isEmpty()))
            std::abort();
        taken += line->size();
        skip = !skip;
        const double number = toolkit::leadingNumber(*line);
        if (std::isnan(number) || std::isinf(number))
            std::abort();
    }
    if (taken > maxBytes)
        std::abort();

    const QString text = toolkit::decodeText(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList fields = toolkit::readDelimitedFields(text, 11);
    if (fields.size() > 11)
        std::abort();
    toolkit::readDelimitedFields(text);
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
