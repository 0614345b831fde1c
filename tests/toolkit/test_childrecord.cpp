#include "childrecord.h"
#include "newfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using toolkit::ChildRecordWriter;
using toolkit::PlayedActivity;
namespace childrecord = toolkit::childrecord;

namespace {

const QDateTime Monday(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);

// theme/number: wrong dots, hints, seconds, coloured, saved drawing.
QString summary(const QList<PlayedActivity>& played)
{
    QStringList lines;
    for (const PlayedActivity& a : played)
        lines << QString("%1/%2:%3,%4,%5,%6,%7")
                     .arg(a.theme)
                     .arg(a.activity)
                     .arg(a.wrongDots)
                     .arg(a.hints)
                     .arg(a.seconds())
                     .arg(a.coloured)
                     .arg(a.savedDrawing);
    return lines.join(' ');
}

void play(ChildRecordWriter& record, const QString& theme, int number, int startMinute, int wrong,
          bool finish)
{
    record.started(theme, number, "id" + QString::number(number), Monday.addSecs(startMinute * 60),
                   theme == "mar-2" ? "pizarra atraer=4" : "");
    for (int i = 0; i < wrong; ++i)
        record.wrongDot();
    record.hintShown();
    if (finish)
        record.finished(Monday.addSecs(startMinute * 60 + 95));
}

} // namespace

// Two computers at once, and a second run on the first: every activity is
// kept, in the order it was started, with what happened in it.
TEST(ChildRecord, EveryComputerAndRunAddsItsActivities)
{
    QTemporaryDir share;
    const QString folder = share.filePath("progreso/lucia");
    {
        ChildRecordWriter aula1(folder, "aula1", Monday);
        ChildRecordWriter aula2(folder, "aula2", Monday);
        play(aula1, "granja-1", 1, 0, 2, true);
        aula1.coloured();
        aula1.saved("7-12-2026-9-2-0.bmp");
        play(aula2, "mar-2", 3, 1, 0, false);
        play(aula1, "granja-1", 2, 5, 0, true);
        EXPECT_TRUE(aula1.flush());
        EXPECT_TRUE(aula2.flush());
        EXPECT_EQ(aula1.file(), QDir(folder).filePath("2026-12-aula1.txt"));
    }
    ChildRecordWriter again(folder, "aula1", Monday.addDays(1));
    play(again, "granja-1", 3, 24 * 60, 1, true);
    ASSERT_TRUE(again.flush());
    EXPECT_EQ(summary(childrecord::read(folder)),
              "granja-1/1:2,1,95,1,7-12-2026-9-2-0.bmp mar-2/3:0,1,0,0, "
              "granja-1/2:0,1,95,0, granja-1/3:1,1,95,0,");
    EXPECT_EQ(childrecord::read(folder)[1].reach, "pizarra atraer=4");
    EXPECT_EQ(int(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::WriteGroup)),
              int(QFile::WriteGroup));

    // Meanwhile another player of the same child here writes its own file.
    ChildRecordWriter second(folder, "aula1", Monday.addDays(1));
    play(second, "mar-2", 1, 24 * 60 + 1, 0, true);
    ASSERT_TRUE(second.flush());
    EXPECT_NE(second.file(), again.file());
    EXPECT_EQ(childrecord::read(folder).size(), 5);
}

// What is not a record, or not a whole line of one, is passed over; files
// that are no regular files are told.
TEST(ChildRecord, DamagedAndHostileFilesArePassedOver)
{
    QTemporaryDir folder;
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    PlayedActivity good;
    good.theme = "mar\t1\n";
    good.activity = 4;
    good.started = Monday;
    const QByteArray record = childrecord::format({good});
    // The reach settings close a line only when any was on; past their
    // bound, or followed by more, the line is no record's.
    const QByteArray line = "2026-12-07T09:00:00Z\t-\tmar\t1\tx\t0\t0\t0\t";
    write("a.txt", record + "2026-12-07T09:00:00Z\t-\tmar\t0\tx\t0\t0\t0\t\n" +
                       "2026-12-07T09:00:00Z\t-\tmar\t2\tx\t0\t0\t2\t\n" + record.mid(18, 30) +
                       "\n" + line + "\tsin-fallos\x1b\r\n" + line + "\t" + QByteArray(201, 'x') +
                       "\n" + line + "\tun-clic\tmás\n");
    write("b.txt", "no es un registro\n");
    write("c.txt", QByteArray(9 * 1024 * 1024, 'x'));
    QFile::link(folder.filePath("a.txt"), folder.filePath("d.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("e.txt")).constData(), 0600), 0);

    QStringList problems;
    const QList<PlayedActivity> read = childrecord::read(folder.path(), &problems);
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].theme, "mar 1 ");
    EXPECT_EQ(read[0].reach + "|" + read[1].reach, "|sin-fallos");
    EXPECT_EQ(childrecord::format(read).count('\t'), 8 + 9);
    EXPECT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
}

// A folder made in the child's name by another (here a link to that one's
// own) never gets the child's record.
TEST(ChildRecord, AFolderThatIsNotTheChildsGetsNoRecord)
{
    QTemporaryDir share;
    QDir().mkpath(share.filePath("progreso/pau"));
    QFile::link(share.filePath("progreso/pau"), share.filePath("progreso/lucia"));
    ChildRecordWriter record(share.filePath("progreso/lucia"), "aula1", Monday);
    play(record, "granja-1", 1, 0, 0, true);
    EXPECT_FALSE(record.flush());
    EXPECT_TRUE(QDir(share.filePath("progreso/pau")).isEmpty());
}

// A server that is away loses nothing: what could not be written goes with
// the next change once it is back.
TEST(ChildRecord, WhatCouldNotBeWrittenIsWrittenLater)
{
    QTemporaryDir share;
    QFile away(share.filePath("progreso")); // a file where the folder should be
    ASSERT_TRUE(away.open(QIODevice::WriteOnly));
    const QString folder = share.filePath("progreso/lucia");
    ChildRecordWriter record(folder, "aula1", Monday);
    play(record, "granja-1", 1, 0, 0, true);
    EXPECT_FALSE(record.flush());
    ASSERT_TRUE(away.remove());
    record.coloured();
    EXPECT_TRUE(record.flush());
    EXPECT_EQ(summary(childrecord::read(folder)), "granja-1/1:0,1,95,1,");
}

// A child swapping a FIFO for a record file in a loop: each reading returns,
// and tells the FIFO it met.
TEST(ChildRecord, AFifoSwappedInForARecordHoldsNoReading)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
    ASSERT_TRUE(toolkit::writeFile(dir.filePath("r"), childrecord::format({})));
    ASSERT_EQ(mkfifo(path("f").constData(), 0600), 0);
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        while (!stop)
            for (const char* source : {"r", "f"})
                if (::link(path(source).constData(), path("new").constData()) == 0)
                    ::rename(path("new").constData(), path("a.txt").constData());
    });
    auto reading = std::async(std::launch::async, [&] {
        int told = 0;
        for (int i = 0; i < 3000; ++i) {
            QStringList problems;
            childrecord::read(dir.path(), &problems);
            told += int(problems.size());
        }
        return told;
    });
    const bool returned = reading.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    stop = true;
    swapper.join();
    // A reading stuck on the FIFO is let go, so that the test fails, not hangs.
    while (reading.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
        ::close(::open(path("f").constData(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(returned);
    EXPECT_GT(reading.get(), 0);
}
