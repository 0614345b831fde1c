#include "childpictures.h"
#include "classlist.h"
#include "newfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using toolkit::ClassList;

namespace {

// "key:name:picture:group+group[@account] | ..." for a table's expectations.
std::string brief(const ClassList& list)
{
    QStringList text;
    for (const auto& c : list.children())
        text << c.key + ':' + c.name + ':' + c.picture + ':' + c.groups.join('+') +
                    (c.account.isEmpty() ? QString() : '@' + c.account);
    return text.join(" | ").toStdString();
}

} // namespace

TEST(ClassList, ParsesPassingOverBadLinesAndKeepingThem)
{
    const struct
    {
        QByteArray text;
        const char* expected;
        qsizetype told;
    } cases[] = {
        {"clave,nombre,dibujo,cuenta,grupos\r\nana,Ana,gato,,P4 A,\"1º A, tarde\"\n",
         "ana:Ana:gato:P4 A+1º A, tarde", 0},
        {"ana;Ana;;;P4 A;P4 A;;\r", "ana:Ana::P4 A", 0},
        {"ana,Ana,,ana.p\nleo,Leo,,ana.p\nbea,Bea,,../x\neva,Eva,,-r\n", "ana:Ana::@ana.p", 3},
        {"ana,Ana,gato\nana,Otra,perro\n", "ana:Ana:gato:", 1},
        {"Ana,Ana\n../x,X\nabcdefghijklmnopq,Y\n,Z\n", "", 4},
        {"ana,Ana,../../etc/passwd\nbea,Bea,/tmp/a.png\nleo,Leo,a b\n", "", 3},
        {"ana,\"A\x01na\x1b[31m\"\n", "ana:A na [31m::", 0},
        {"ana,Mar\xed"
         "a\n",
         "ana:María::", 0}, // Windows-1252
    };
    for (const auto& c : cases) {
        QStringList problems;
        const ClassList list = ClassList::parse(c.text, &problems);
        EXPECT_EQ(brief(list), c.expected) << c.text.constData();
        EXPECT_EQ(problems.size(), c.told) << problems.join('\n').toStdString();
        EXPECT_EQ(list.kept().size(), c.told);
        EXPECT_EQ(ClassList::parse(ClassList::format(list), nullptr), list);
    }
}

TEST(ClassList, TenThousandHostileLinesAreReadWithinBounds)
{
    QByteArray text;
    for (int i = 0; i < 10000; ++i)
        text += "n" + QByteArray::number(i % 5000) + ",\"Niño\x07\",gato,,G\n";
    QElapsedTimer timer;
    timer.start();
    QStringList problems;
    const ClassList list = ClassList::parse(text, &problems);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(list.children().size(), ClassList::MostChildren);
    EXPECT_LE(problems.size(), 22); // a few lines, then how many more
}

TEST(ClassList, ALinkAFifoOrALargeFileIsRefusedWithoutWaiting)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(ClassList::FileName);
    EXPECT_EQ(ClassList::read(folder.path(), nullptr), ClassList()); // none yet
    ASSERT_TRUE(toolkit::writeFile(folder.filePath("real.csv"), "ana,Ana\n"));
    const std::function<void()> makers[] = {
        [&] { QFile::link(folder.filePath("real.csv"), path); },
        [&] { ::mkfifo(QFile::encodeName(path).constData(), 0600); },
        [&] { toolkit::writeFile(path, QByteArray(ClassList::LargestFile + 1, 'a')); },
        [&] { toolkit::writeFile(path, QByteArray("ana,A\0na\n", 9)); },
    };
    for (const auto& make : makers) {
        QFile::remove(path);
        make();
        QStringList problems;
        EXPECT_FALSE(ClassList::read(folder.path(), &problems));
        EXPECT_EQ(problems.size(), 1);
    }
}

TEST(ClassList, EditsMakeUniqueKeysAndRefuseBadValues)
{
    ClassList list;
    QString problem;
    EXPECT_EQ(list.add(QStringLiteral("María José"), "gato", {"P4 A"}, &problem), "mariajose");
    EXPECT_EQ(list.add(QStringLiteral("María-José"), {}, {}, &problem), "mariajose2");
    EXPECT_EQ(list.add(QStringLiteral("李"), {}, {}, &problem), "nino");
    EXPECT_FALSE(list.add(QStringLiteral("\t"), {}, {}, &problem));
    EXPECT_FALSE(list.setPicture("nino", "../x", &problem));
    EXPECT_FALSE(list.rename("nadie", "Otro", &problem));
    EXPECT_TRUE(list.setGroups("nino", {"B", "B", " "}, &problem));
    EXPECT_TRUE(list.setAccount("nino", "li.w", &problem));
    EXPECT_FALSE(list.setAccount("mariajose", "li.w", &problem)); // another child's
    EXPECT_FALSE(list.setAccount("mariajose", "../li", &problem));
    list.remove("mariajose2");
    EXPECT_EQ(brief(list), "mariajose:María José:gato:P4 A | nino:李::B@li.w");
}

TEST(ChildPictures, EachPictureIsGivenOncePerGroup)
{
    namespace pictures = toolkit::childpictures;
    ASSERT_GE(pictures::names().size(), 40);
    EXPECT_FALSE(pictures::picture(pictures::names().last(), 64).isNull());
    EXPECT_TRUE(pictures::picture("../ninos/gato", 64).isNull());
    ClassList list;
    for (const auto& name : {"Ana", "Leo"})
        list.add(name, pictures::firstFree(list, {"P4 A"}), {"P4 A"}, nullptr);
    list.add("Eva", pictures::firstFree(list, {"P5"}), {"P5"}, nullptr);
    EXPECT_EQ(brief(list),
              ("ana:Ana:" + pictures::names()[0] + ":P4 A | leo:Leo:" + pictures::names()[1] +
               ":P4 A | eva:Eva:" + pictures::names()[0] + ":P5")
                  .toStdString());
}
