#include "picturefiles.h"

#include "newfile.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether anything opened the files watched since the watch began.
struct OpenWatch
{
    int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);

    explicit OpenWatch(const QStringList& paths)
    {
        for (const QString& path : paths)
            EXPECT_GE(inotify_add_watch(fd, QFile::encodeName(path).constData(), IN_OPEN), 0);
    }
    ~OpenWatch() { close(fd); }
    bool opened() const
    {
        char events[4096];
        return read(fd, events, sizeof events) > 0;
    }
};

} // namespace

// The player's bitmaps and a teacher's PNG and JPEG load; an SVG or a JPEG
// under another name is no picture, and nothing an SVG names, not even
// itself, is opened.
TEST(PictureFiles, APictureOthersCanWriteIsReadOnlyAsTheBitmapItsNameSays)
{
    QTemporaryDir dir;
    QImage green(30, 20, QImage::Format_RGB32);
    green.fill(Qt::green);
    const QString other = dir.filePath("otro.bmp"), fifo = dir.filePath("tuberia");
    ASSERT_TRUE(green.save(other) && green.save(dir.filePath("b.BMP"), "bmp") &&
                green.save(dir.filePath("b.png")) && green.save(dir.filePath("b.jpeg")) &&
                green.save(dir.filePath("c.png"), "jpeg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& [name, shown] : {std::pair{"a.png", other},
                                      {"a.bmp", fifo},
                                      {"a.jpg", dir.filePath("a.jpg")},
                                      {"a.svg", other}}) {
        ASSERT_TRUE(toolkit::writeFile(
            dir.filePath(name),
            R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
            width="30" height="20"><image width="30" height="20" xlink:href=")" +
                QFile::encodeName(shown) + "\"/></svg>"));
    }
    for (const char* name :
         {"a.png", "a.bmp", "a.jpg", "a.svg", "c.png", "b.BMP", "b.png", "b.jpeg"}) {
        const bool loads = name[0] == 'b'; // the bitmaps their names say
        const OpenWatch watch({other, fifo});
        const toolkit::Bitmap read = toolkit::readBitmapFile(dir.filePath(name), {1 << 20, 16});
        EXPECT_EQ(read.image.size(), loads ? green.size() : QSize(0, 0)) << name;
        EXPECT_EQ(read.problem == toolkit::Bitmap::Problem::None, loads) << name;
        EXPECT_FALSE(watch.opened()) << name;
    }
}

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
