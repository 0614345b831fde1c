#include "classbook.h"
#include "folderlister.h"
#include "newfile.h"
#include "teachersfolder.h"
#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>

using classview::ClassBook;
using classview::TeachersFolder;

namespace {

struct ClassBookTest : ::testing::Test
{
    QTemporaryDir root;
    QString folder = ClassBook::folderFor(root.path());
    void SetUp() override { QDir().mkpath(folder); }
    QString path(const QString& name) const { return QDir(folder).filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        ASSERT_TRUE(toolkit::writeFile(path(name), bytes));
    }
    // "group: logins | group: logins" as a book read afresh sees them.
    std::string groups() const
    {
        ClassBook book(folder);
        book.reload(nullptr);
        QStringList text;
        for (const QString& group : book.groups()) {
            QStringList members = book.members(group).values();
            members.sort();
            text << group + ": " + members.join(' ');
        }
        return text.join(" | ").toStdString();
    }
};

} // namespace

// Both teachers opened the book before either edited: each edit is applied
// to the file as the other left it.
TEST_F(ClassBookTest, TwoTeachersEditingAtOnceKeepBothEdits)
{
    using Edit = std::function<bool(ClassBook&)>;
    const auto add = [](const char* group, QStringList logins) -> Edit {
        return [=](ClassBook& book) { return book.addToGroup(group, logins, nullptr); };
    };
    struct Case
    {
        QByteArray start;
        QList<std::pair<int, Edit>> edits; // which teacher, what
        const char* expected;
    } cases[] = {
        {"", {{0, add("A", {"pau"})}, {1, add("B", {"lucia"})}}, "A: pau | B: lucia"},
        {"", {{0, add("A", {"pau"})}, {1, add(" A ", {"lucia"})}}, "A: lucia pau"},
        {"A,pau\nA,lucia\n",
         {{0, [](ClassBook& b) { return b.removeFromGroup("A", {"pau"}, nullptr); }},
          {1, add("B", {"pau"})}},
         "A: lucia | B: pau"},
        {"A,pau\nB,lucia\n",
         {{0, [](ClassBook& b) { return b.renameGroup("A", "C", nullptr); }},
          {1, add("A", {"ana"})},
          {0, [](ClassBook& b) { return b.removeGroup("B", nullptr); }}},
         "A: ana | C: pau"},
    };
    for (const Case& c : cases) {
        write("grupos.csv", c.start);
        ClassBook teachers[2] = {ClassBook(folder), ClassBook(folder)};
        for (ClassBook& book : teachers)
            book.reload(nullptr);
        for (const auto& [teacher, edit] : c.edits)
            EXPECT_TRUE(edit(teachers[teacher]));
        EXPECT_EQ(groups(), c.expected);
    }
}

// Two teachers adding children at the very same time, each from a book of
// their own: every child is there, and a line the list passes over stays.
TEST_F(ClassBookTest, TwoTeachersEditingTheChildrenAtOnceKeepBothEdits)
{
    write(toolkit::ClassList::FileName, "ana,Ana,gato\nana,Otra\n");
    const auto teacher = [this](QString name) {
        ClassBook book(folder);
        for (int i = 0; i < 15; ++i)
            EXPECT_TRUE(book.editChildren(
                [&](toolkit::ClassList& list, QString* why) {
                    return list.add(name, {}, {name}, why).has_value();
                },
                nullptr));
    };
    auto first = std::async(std::launch::async, teacher, QStringLiteral("Pau"));
    teacher(QStringLiteral("Lucía"));
    first.get();
    const auto list = toolkit::ClassList::read(folder, nullptr);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->children().size(), 31);
    EXPECT_EQ(list->kept(), QStringList{"ana,Otra"});
}

// Separators in names survive the file; the edits that would break a line
// or lose a group are refused and say why.
TEST_F(ClassBookTest, NamesAndGroupsRoundTripAndRefusals)
{
    ClassBook book(folder);
    QString problem;
    EXPECT_TRUE(book.addToGroup("10º", {"pau"}, &problem));
    EXPECT_TRUE(book.addToGroup("1º A, tarde", {}, &problem));
    EXPECT_TRUE(book.addToGroup("2º;\"b\"", {"ana"}, &problem));
    EXPECT_EQ(groups(), "1º A, tarde:  | 2º;\"b\": ana | 10º: pau");
    for (const auto& [group, login] : {std::pair{"  ", "pau"}, {"a\nb", "pau"}, {"A", "pa u"}})
        EXPECT_FALSE(book.addToGroup(group, {login}, &problem)) << group << login;
    EXPECT_FALSE(book.renameGroup("10º", "1º A, tarde", &problem));
    EXPECT_FALSE(book.renameGroup("nada", "otro", &problem));
    EXPECT_TRUE(problem.contains("nada"));

    EXPECT_TRUE(book.importNames("Usuario;Nombre\npau;Pau\nlucia;\"Ruiz, Lucía\"\n", &problem));
    EXPECT_TRUE(book.importNames("pau,Pau Gil\n\"ana\v\",Ana\n", &problem));
    EXPECT_FALSE(book.importNames("solo texto", &problem));
    ClassBook fresh(folder);
    EXPECT_TRUE(fresh.reload(nullptr));
    const QHash<QString, QString> expected{{"pau", "Pau Gil"}, {"lucia", "Ruiz, Lucía"}};
    EXPECT_EQ(fresh.names(), expected);
}

// What cannot be read is told, and never written over; lines not
// understood stay in the file.
TEST_F(ClassBookTest, HostileOrDamagedFilesArePassedOverAndKept)
{
    write("otro.csv", "A,pau\n");
    const std::function<void()> makes[] = {
        [&] { QFile::link(path("otro.csv"), path("grupos.csv")); },
        [&] { ::mkfifo(QFile::encodeName(path("grupos.csv")).constData(), 0600); },
        [&] { write("grupos.csv", QByteArray(1024 * 1024 + 1, 'a')); },
        [&] { write("grupos.csv", QByteArray("A,pau\n\0\1\2", 9)); },
    };
    for (const auto& make : makes) {
        QFile::remove(path("grupos.csv"));
        make();
        ClassBook book(folder);
        QStringList problems;
        EXPECT_FALSE(book.reload(&problems));
        ASSERT_EQ(problems.size(), 1);
        EXPECT_TRUE(problems[0].contains("grupos.csv"));
        EXPECT_TRUE(book.groups().isEmpty());
        QString problem;
        EXPECT_TRUE(!book.addToGroup("B", {"ana"}, &problem) && !problem.isEmpty());
    }
    QFile::remove(path("grupos.csv"));
    write("grupos.csv", "grupo,usuario\nA,pau\nesto no\n");
    ClassBook book(folder);
    QStringList problems;
    EXPECT_TRUE(book.reload(&problems));
    EXPECT_EQ(problems.size(), 1);
    EXPECT_TRUE(book.addToGroup("B", {"ana"}, nullptr));
    EXPECT_EQ(toolkit::readRegularFile(path("grupos.csv"), 1000),
              "grupo,usuario\r\nA,pau\r\nB,ana\r\nesto no\r\n");
}

// A missing folder says how the administrator makes it; a server that does
// not answer costs the lister's patience, not a frozen window.
TEST_F(ClassBookTest, MissingOrSilentFolder)
{
    QString problem;
    ClassBook missing(QDir(root.path()).filePath("nada/.clase"));
    EXPECT_FALSE(missing.addToGroup("A", {"pau"}, &problem));
    EXPECT_TRUE(problem.contains("install -d")) << problem.toStdString();

    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    toolkit::FolderLister hung(
        [answered](const QString&) {
            answered.wait();
            return QStringList();
        },
        std::chrono::milliseconds(20));
    ClassBook silent(folder, hung);
    QStringList problems;
    EXPECT_FALSE(silent.reload(&problems));
    EXPECT_FALSE(silent.addToGroup("A", {"pau"}, &problem));
    EXPECT_EQ(problems, QStringList{problem});
    answer.set_value();
}

// Only root's folder or a teacher's, closed to others, holds the teachers'
// notes: a child's, one nobody owns, one anyone can write or a link does not.
TEST(TeachersFolder, TrustedWhenRootsOrATeachersAndClosedToOthers)
{
    const TeachersFolder::Group teachers{100, {"ana"}};
    using Account = std::optional<TeachersFolder::Account>;
    const struct
    {
        TeachersFolder::Facts facts;
        Account owner;
        bool trusted;
    } cases[] = {
        {{true, 0, 02770}, TeachersFolder::Account{"root", 0}, true},
        {{true, 0, 02770}, std::nullopt, true},
        {{true, 1001, 02770}, TeachersFolder::Account{"ana", 1001}, true},
        {{true, 1002, 0750}, TeachersFolder::Account{"luis", 100}, true},
        {{true, 1003, 0700}, TeachersFolder::Account{"pau", 1003}, false},
        {{true, 1004, 02770}, std::nullopt, false},
        {{true, 0, 0777}, TeachersFolder::Account{"root", 0}, false},
        {{true, 1001, 01772}, TeachersFolder::Account{"ana", 1001}, false},
        {{false, 0, 0755}, TeachersFolder::Account{"root", 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TeachersFolder::trusted(c.facts, c.owner, teachers), c.trusted)
            << c.facts.owner << ' ' << std::oct << c.facts.mode;
}

// A teachers' folder a child could have made is neither read nor written,
// and the teacher is told what the administrator runs.
TEST_F(ClassBookTest, AFolderOthersCanWriteOrALinkIsNeitherReadNorWritten)
{
    write("grupos.csv", "A,pau\n");
    const QString real = root.filePath("real");
    const std::function<void()> makes[] = {
        [&] { ::chmod(QFile::encodeName(folder).constData(), 0777); },
        [&] {
            QFile::rename(folder, real);
            QFile::link(real, folder);
        },
    };
    for (const auto& make : makes) {
        make();
        ClassBook book(folder);
        QStringList problems;
        EXPECT_FALSE(book.reload(&problems));
        EXPECT_TRUE(book.groups().isEmpty());
        ASSERT_EQ(problems.size(), 1);
        EXPECT_TRUE(problems[0].contains("install -d -o root -g")) << problems[0].toStdString();
        QString problem;
        EXPECT_FALSE(book.addToGroup("B", {"ana"}, &problem));
        EXPECT_EQ(problem, problems[0]);
        EXPECT_EQ(toolkit::readRegularFile(path("grupos.csv"), 1000), "A,pau\n");
    }
}
