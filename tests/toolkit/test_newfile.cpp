#include "folderlister.h"
#include "newfile.h"
#include "picturefiles.h"
#include "themelibrary.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

// Thirty computers of a lab saving into one shared folder in the same
// second: every save keeps a complete file of its own, readable by the other
// accounts, and nothing else is left behind.
TEST(NewFile, ThirtySavesAtOnceKeepThirtyCompleteFiles)
{
    QTemporaryDir dir;
    toolkit::FolderLister lister;
    const toolkit::ThemeLibrary store(dir.path(), {{dir.path()}, lister});
    QImage picture[30];
    QString drawn[30], saved[30];
    std::atomic<bool> go{false};
    std::vector<std::thread> savers;
    for (int i = 0; i < 30; ++i) {
        picture[i] = QImage(300, 200, QImage::Format_RGB32);
        picture[i].fill(qRgb(i, 9, 7));
        savers.emplace_back([&, i] {
            while (!go)
                std::this_thread::yield();
            drawn[i] = toolkit::writeNewBitmap(picture[i], dir.path(), "5-12-2026-21-8-3");
            saved[i] = store.save("tema", QByteArray::number(i).repeated(5000)).path;
        });
    }
    go = true;
    for (auto& saver : savers)
        saver.join();
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(QImage(drawn[i]).convertToFormat(QImage::Format_RGB32), picture[i]);
        QFile file(saved[i]);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) &&
                    file.readAll() == QByteArray::number(i).repeated(5000));
        EXPECT_TRUE(file.permissions() & QFileDevice::ReadOther);
    }
    for (const QString& folder : {dir.path(), dir.filePath("tema")})
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 30);
}

// A folder that is missing, or a disk that fills up half way, leaves nothing.
TEST(NewFile, AFailedWriteLeavesNothing)
{
    QTemporaryDir dir;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{1000, old.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_EQ(toolkit::createNewFile(dir.filePath("1.txt"), QByteArray(5000, 'z')),
              toolkit::NewFile::Failed);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(toolkit::createNewFile(dir.filePath("no/2.txt"), "x"), toolkit::NewFile::Failed);
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::Files | QDir::Hidden));
}

// Without hard links (an SMB share) the file is still made exclusively; a
// temporary file a killed editor left more than an hour ago goes with the
// next save, a recent one (another computer still writing) stays. A write
// the server lost, told only at the sync, fails the save and leaves nothing.
TEST(NewFile, WithoutHardLinksAndAfterAKilledSave)
{
    QTemporaryDir dir;
    for (int minutesOld : {61, 5}) {
        QFile file(dir.filePath(QStringLiteral(".lunipo-00000000000000%1.tmp").arg(minutesOld)));
        file.open(QIODevice::WriteOnly);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesOld),
                         QFileDevice::FileModificationTime);
    }
    const auto link = toolkit::makeHardLink;
    toolkit::makeHardLink = [](const char*, const char*) { return errno = EPERM, -1; };
    EXPECT_EQ(toolkit::createNewFile(dir.filePath("1.txt"), "uno"), toolkit::NewFile::Written);
    EXPECT_EQ(toolkit::createNewFile(dir.filePath("1.txt"), "otro"), toolkit::NewFile::Taken);
    toolkit::makeHardLink = link;
    const auto sync = toolkit::syncToDisk; // a write the server lost, told at the sync
    toolkit::syncToDisk = [](int) { return errno = EIO, -1; };
    EXPECT_EQ(toolkit::createNewFile(dir.filePath("2.txt"), "dos"), toolkit::NewFile::Failed);
    EXPECT_FALSE(toolkit::replaceFile(dir.filePath("1.txt"), "tres"));
    toolkit::syncToDisk = sync;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({".lunipo-000000000000005.tmp", "1.txt"}));
}
