#include "picturefiles.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Fitted into the page: centred, white behind its see-through right half.
TEST(PictureFiles, APictureComesFittedIntoThePage)
{
    QTemporaryDir dir;
    QImage wide(400, 100, QImage::Format_ARGB32);
    wide.fill(Qt::transparent);
    QPainter(&wide).fillRect(0, 0, 200, 100, Qt::red);
    wide.save(dir.filePath("a.png"));
    const QImage fitted = toolkit::readFittedPicture(dir.filePath("a.png"), QSize(200, 200));
    EXPECT_EQ(QList<QColor>({fitted.pixelColor(50, 70), fitted.pixelColor(50, 80),
                             fitted.pixelColor(150, 100)}), // 50 px high, centred
              QList<QColor>({Qt::white, Qt::red, Qt::white}));
}
