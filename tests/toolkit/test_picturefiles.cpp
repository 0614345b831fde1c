#include "picturefiles.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Pictures of every common kind come fitted into the page: proportions kept,
// centred, white round them and behind transparency. What is damaged or too
// large to be sensible reads as nothing.
TEST(PictureFiles, EveryKindComesFittedIntoThePageOrNotAtAll)
{
    QTemporaryDir dir;
    QImage wide(400, 100, QImage::Format_ARGB32);
    wide.fill(Qt::transparent);
    QPainter(&wide).fillRect(0, 0, 200, 100, Qt::red); // the right half see-through
    const auto saved = [&](const char* name, const char* format) {
        wide.save(dir.filePath(name), format, 100); // lossless
        return dir.filePath(name);
    };
    const auto written = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.filePath(name);
    };
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="10">)"
                           R"(<rect width="20" height="10" fill="red"/></svg>)";
    QByteArray bomb; // a PNG header claiming 20000 x 20000 pixels
    QBuffer header(&bomb);
    header.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&header, "PNG");
    bomb.replace(16, 8, QByteArray::fromHex("00004e2000004e20"));
    const struct
    {
        QString path;
        bool read;
    } cases[] = {{saved("a.png", "PNG"), true},
                 {saved("a.webp", "WEBP"), true},
                 {written("a.svg", svg), true},
                 {written("bomba.png", bomb), false},
                 {written("rota.png", "\x89PNG garbage"), false},
                 {dir.filePath("nada.png"), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QImage fitted = toolkit::readFittedPicture(c.path, QSize(200, 200));
        ASSERT_EQ(!fitted.isNull(), c.read);
        if (!c.read)
            continue;
        EXPECT_EQ(fitted.size(), QSize(200, 200));
        EXPECT_EQ(fitted.pixelColor(50, 10), QColor(Qt::white));   // above the band
        EXPECT_EQ(fitted.pixelColor(150, 100), QColor(Qt::white)); // the see-through half
        EXPECT_EQ(fitted.pixelColor(50, 100), QColor(Qt::red));
        EXPECT_EQ(fitted.pixelColor(50, 80), QColor(Qt::red)); // 50 px high, centred
        EXPECT_EQ(fitted.pixelColor(50, 70), QColor(Qt::white));
    }
}
