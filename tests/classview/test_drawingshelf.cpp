#include "booklet.h"
#include "drawingshelf.h"
#include "folderlister.h"
#include "picturefiles.h"

#include "../hungfolder.h"
#include "testaccounts.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using classview::DrawingShelf;

namespace {

const QDateTime Monday(QDate(2026, 12, 7), QTime(10, 0));

// A child's drawings folder as the share holds it: drawings the player
// saved over a week, and what else may turn up there.
struct Shelf : testing::Test
{
    QTemporaryDir share;
    DrawingShelf shelf{share.filePath("dibujos/%u"), accountsOfThisUser()};
    QString folder = shelf.folderOf("ana");
    toolkit::FolderLister lister;

    void SetUp() override
    {
        QDir().mkpath(folder);
        // Two saved in the same second, "-10" the later as the player numbers.
        const struct
        {
            const char* name;
            int day;
        } saved[] = {{"7-12-2026-10-0-0", 0},
                     {"9-12-2026-9-0-0", 2},
                     {"9-12-2026-9-0-0-9", 2},
                     {"9-12-2026-9-0-0-10", 2},
                     {"11-12-2026-8-0-0", 4}};
        for (const auto& s : saved)
            drawing(s.name + QString(".bmp"), QSize(40, 30), s.day);
        QFile::link(path("7-12-2026-10-0-0.bmp"), path("enlace.bmp"));
        mkfifo(QFile::encodeName(path("tuberia.bmp")).constData(), 0600);
        QFile huge(path("enorme.bmp"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
        QFile notes(path("notas.txt"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("hola") == 4);
        QFile(path(".lunipo-a.tmp")).open(QIODevice::WriteOnly);
    }

    QString path(const QString& name) const { return QDir(folder).filePath(name); }

    void drawing(const QString& name, QSize size, int day)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(toolkit::writeBitmap(image, path(name)));
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::Append) &&
                    file.setFileTime(Monday.addDays(day), QFileDevice::FileModificationTime));
    }
};

QString names(const QList<classview::Drawing>& drawings)
{
    QStringList names;
    for (const auto& d : drawings)
        names << d.fileName;
    return names.join(' ');
}

int pdfPages(const QString& path)
{
    QFile pdf(path);
    return pdf.open(QIODevice::ReadOnly) ? int(pdf.readAll().count("/Type /Page\n")) : -1;
}

} // namespace

// Latest first, within the period; what is no drawing of the player's is
// passed over and told, the player's own temporaries silently.
TEST_F(Shelf, ListsTheDrawingsOfThePeriodLatestFirst)
{
    const struct
    {
        QDate from;
        const char* expected;
    } cases[] = {
        {{},
         "11-12-2026-8-0-0.bmp 9-12-2026-9-0-0-10.bmp 9-12-2026-9-0-0-9.bmp 9-12-2026-9-0-0.bmp "
         "7-12-2026-10-0-0.bmp"},
        {QDate(2026, 12, 9), "11-12-2026-8-0-0.bmp 9-12-2026-9-0-0-10.bmp 9-12-2026-9-0-0-9.bmp "
                             "9-12-2026-9-0-0.bmp"},
        {QDate(2026, 12, 12), ""},
    };
    for (const auto& c : cases) {
        QStringList problems;
        EXPECT_EQ(names(shelf.drawings(lister, "ana", c.from, &problems)).toStdString(),
                  c.expected);
        problems.sort();
        EXPECT_EQ(problems.join('|').remove(QDir::toNativeSeparators(folder) + '/').toStdString(),
                  "enlace.bmp: no es un archivo|enorme.bmp: es demasiado grande|"
                  "notas.txt: no es un dibujo|tuberia.bmp: no es un archivo");
    }
    EXPECT_TRUE(DrawingShelf("/srv/dibujos").folderOf("ana").isEmpty());
    EXPECT_TRUE(shelf.folderOf("..").isEmpty());
}

// A classmate may make the folder in Ana's name before she first plays, and
// fill it: what is there is none of hers.
TEST_F(Shelf, AFolderInTheChildsNameThatIsNotHersShowsNothing)
{
    const DrawingShelf squatted(share.filePath("dibujos/%u"), classview::Accounts([](auto&) {
                                    return std::optional<uid_t>(::geteuid() + 1); // not Ana's
                                }));
    QStringList problems;
    EXPECT_TRUE(squatted.drawings(lister, "ana", {}, &problems).isEmpty());
    EXPECT_EQ(problems.filter("es de otra cuenta").size(), 1) << problems.join('\n').toStdString();
}

TEST_F(Shelf, AFolderThatDoesNotAnswerIsToldWithinThePatience)
{
    HungFolder hung(toolkit::FolderLister::filesOf(folder));
    QStringList problems;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(shelf.drawings(hung.lister, "ana", {}, &problems).isEmpty());
    EXPECT_LT(clock.elapsed(), 1900);
    EXPECT_EQ(problems, QStringList(QDir::toNativeSeparators(folder) + " no responde"));
}

// A header may claim any size: one beyond a screen's is refused unread.
TEST_F(Shelf, LoadsOnlyDrawingsOfASensibleSize)
{
    // Small on disk, 192 MB once decoded.
    QImage bomb(16000, 3000, QImage::Format_Mono);
    bomb.fill(0);
    ASSERT_TRUE(bomb.save(path("bomba.png")));
    // An SVG under a drawing's name, showing a classmate's drawing the child cannot open.
    const QString classmate = shelf.folderOf("marta") + "/a.bmp";
    ASSERT_TRUE(QDir().mkpath(shelf.folderOf("marta")) &&
                toolkit::writeBitmap(QImage(40, 30, QImage::Format_RGB32), classmate));
    QFile svg(path("copia.png"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
        width="40" height="30"><image width="40" height="30" xlink:href=")" +
              QFile::encodeName(classmate) + "\"/></svg>");
    svg.close();
    const struct
    {
        const char* name;
        const char* problem;
    } cases[] = {{"enlace.bmp", "no es un archivo"},    {"tuberia.bmp", "no es un archivo"},
                 {"enorme.bmp", "es demasiado grande"}, {"bomba.png", "es demasiado grande"},
                 {"notas.txt", "no es un dibujo"},      {"copia.png", "no es un dibujo"},
                 {"7-12-2026-10-0-0.bmp", ""}};
    for (const auto& c : cases) {
        QString problem;
        EXPECT_EQ(classview::loadDrawing(path(c.name), &problem).isNull(), *c.problem != 0);
        EXPECT_EQ(problem.toStdString(), c.problem) << c.name;
    }
    EXPECT_EQ(classview::thumbnailOf(QImage(400, 300, QImage::Format_RGB32), 100).size(),
              QSize(100, 75));
}

// A cover and a page a drawing; a booklet of nothing is no file at all.
TEST_F(Shelf, WritesTheBookletWholeOrNotAtAll)
{
    auto drawings = shelf.drawings(lister, "ana", QDate(2026, 12, 9), nullptr).mid(0, 3);
    const QString pdf = share.filePath("ana.pdf");
    QStringList problems;
    ASSERT_TRUE(classview::writeBookletPdf(pdf, "Ana", "diciembre", drawings, &problems));
    EXPECT_EQ(pdfPages(pdf), 4);
    EXPECT_TRUE(problems.isEmpty());

    drawings = {{path("enlace.bmp"), "enlace.bmp", Monday}, {path("no.bmp"), "no.bmp", Monday}};
    const QString none = share.filePath("nada.pdf");
    EXPECT_FALSE(classview::writeBookletPdf(none, "Ana", "diciembre", drawings, &problems));
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_EQ(QDir(share.path()).entryList(QDir::Files), QStringList("ana.pdf"));
    EXPECT_EQ(problems.size(), 3);
}
