// A child's drawing as the teacher's window decodes it, on any bytes, under
// each name a drawing may have: a picture comes with no problem and nothing
// else does; none is larger than a drawing may be, decoded or a side; its
// thumbnail fits its square.

#include "drawingshelf.h"
#include "fuzzsupport.h"

#include <cstdlib>

namespace {

constexpr const char* Formats[] = {"bmp", "png", "jpeg"};
constexpr int ThumbnailEdge = 160; // as the class window shows them

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* format : Formats) {
        const toolkit::Bitmap read = toolkit::decodeBitmap(bytes, format, classview::DrawingLimits);
        if (read.image.isNull() != (read.problem != toolkit::Bitmap::Problem::None))
            std::abort();
        if (read.image.isNull())
            continue;
        if (read.image.width() > toolkit::MaxPictureSide ||
            read.image.height() > toolkit::MaxPictureSide ||
            read.image.sizeInBytes() > qsizetype(classview::DrawingLimits.decodedMegabytes) << 20)
            std::abort();
        const QSize thumbnail = classview::thumbnailOf(read.image, ThumbnailEdge).size();
        if (thumbnail.width() > ThumbnailEdge || thumbnail.height() > ThumbnailEdge)
            std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
