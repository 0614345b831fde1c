#include "measures.h"

#include <gtest/gtest.h>

// Every OpenMoji drawing of the tests' data and every drawing of the
// table's own, at 10, 20 and 30 dots, passes every measure of the table:
// dots on the outer edge, apart, from the top clockwise without crossing,
// the polygons covering a compact figure, the outline gone, the details
// kept, every dot on white. tools/tracing_table.sh prints the same table
// and draws its contact sheet.
TEST(TracingTable, EveryPictureMakesAGoodActivityAtEachLevel)
{
    const auto pictures = tracingtable::pictures(LUNIPO_TEST_DATA "/openmoji");
    ASSERT_GE(pictures.size(), 48);
    for (const tracingtable::Picture& picture : pictures) {
        ASSERT_FALSE(picture.image.isNull()) << picture.name.toStdString();
        const QList<int> counts{10, 20, 30};
        const auto levels = tracingtable::measure(picture.image, counts);
        for (qsizetype i = 0; i < counts.size(); ++i) {
            const tracingtable::Measures& m = levels[i];
            EXPECT_EQ(tracingtable::failures(m, counts[i]).toStdString(), "")
                << picture.name.toStdString() << " at " << counts[i];
            if (picture.figures > 0) {
                EXPECT_EQ(m.figures, picture.figures) << picture.name.toStdString();
            }
        }
    }
}
