// A child's record as the teacher's window reads it, on any bytes: what it
// reads writes back to the same activities, and the class table of them
// keeps its figures within what was read.

#include "classtable.h"

#include <cstdlib>

namespace {

QByteArray summary(const QList<toolkit::PlayedActivity>& played)
{
    return toolkit::childrecord::format(played);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool record = false;
    const auto played = toolkit::childrecord::parse(bytes, &record);
    if (!record && !played.isEmpty())
        std::abort();
    // Written and read again, nothing is lost or changed.
    if (summary(toolkit::childrecord::parse(summary(played))) != summary(played))
        std::abort();

    classview::ClassTable table({{QStringLiteral("pau"), QStringLiteral("Pau"), played}});
    int tries = 0;
    for (int t = 0; t < table.themes().size(); ++t) {
        const auto figures = table.figures(0, t);
        if (figures.finished > figures.tries || figures.seconds < 0)
            std::abort();
        tries += figures.tries;
    }
    if (tries != played.size() || table.activities(0).size() != played.size())
        std::abort();
    table.csv();
    return 0;
}
