#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace toolkit {

// The children of a class who say who they are by a picture, kept by the
// teachers in "<root>/.clase/ninos.csv" beside grupos.csv: a heading line
// "clave,nombre,dibujo,cuenta,grupos", then one line per child with a key,
// the name, the name of the picture, the child's own account when they also
// have one (so the class view makes one row of both records) and then each
// group in a field of its own (so a group may be called "1º A, tarde"). Read as a spreadsheet
// writes it (commas, semicolons or tabs, quoted fields, UTF-8 or Windows-1252), written with
// commas.
//
// The player reads this list at start-up from a folder any account may see,
// so what it holds is never trusted: a key becomes a folder name and a
// picture a file name, both only in their fixed forms. A line that breaks a
// rule is told to the adult and passed over; the rest of the list holds.
class ClassList
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::ClassList)

public:
    struct Child
    {
        QString key;        // isKey()
        QString name;       // on one line, may be empty
        QString picture;    // isPictureName(), or empty while none is chosen
        QStringList groups; // each on one line, none twice
        QString account;    // isAccountName(), no other child's; or empty
        bool operator==(const Child& other) const
        {
            return key == other.key && name == other.name && picture == other.picture &&
                   groups == other.groups && account == other.account;
        }
    };

    // More than a school writes; bounds what a hostile file costs.
    static constexpr qsizetype MostChildren = 2000;
    static constexpr qint64 LargestFile = 1024 * 1024;
    static const QString FileName; // "ninos.csv"

    ClassList() = default;
    explicit ClassList(QList<Child> children) : children_(std::move(children)) {}

    const QList<Child>& children() const { return children_; }
    // The lines passed over, written back as they were after the children
    // so that a teacher's mistake is mended, not lost, by the next edit.
    const QStringList& kept() const { return kept_; }
    // The child with `key`, or nullptr; valid until the next edit.
    const Child* find(const QString& key) const;
    bool operator==(const ClassList& other) const
    {
        return children_ == other.children_ && kept_ == other.kept_;
    }

    // 1 to 16 lower-case ASCII letters and digits: a folder's name that
    // cannot climb out of its parent nor clash by case on any file system.
    static bool isKey(const QString& key);
    // 1 to 40 letters, digits, "-" and "_", not starting with "-": a name of
    // the picture set, never a path.
    static bool isPictureName(const QString& picture);
    // A login name as systems make them (up to 32 letters, digits, ".", "_"
    // and "-", not starting with "." or "-"): never a path.
    static bool isAccountName(const QString& account);

    // `text` as a list. Each line passed over is told in `problems` (one
    // Spanish line each, at most a few dozen in all, then how many more).
    static ClassList parse(const QByteArray& text, QStringList* problems);
    static QByteArray format(const ClassList& list);

    // The list in `classFolder` ("<root>/.clase"): empty when there is none.
    // Nullopt, told in `problems`, when ninos.csv is there but is no regular
    // file (a link, a FIFO, a device: none is opened in a way that may
    // wait), is larger than LargestFile or is binary. Like any reading of a
    // share it may wait as long as a hung server does: a window asks
    // FolderLister whether the folder answers first.
    static std::optional<ClassList> read(const QString& classFolder, QStringList* problems);

    // The edits. Each is false, with why in `problem` (Spanish, for the
    // teacher), when it cannot be made, and then changes nothing.
    //
    // Adds a child under a new key made from `name`; returns the key.
    std::optional<QString> add(const QString& name, const QString& picture,
                               const QStringList& groups, QString* problem);
    bool rename(const QString& key, const QString& name, QString* problem);
    // Nothing happens to a key that is not there.
    void remove(const QString& key);
    bool setPicture(const QString& key, const QString& picture, QString* problem);
    bool setGroups(const QString& key, const QStringList& groups, QString* problem);
    // Joins the child to their own account (empty: to none); an account is
    // one child's only.
    bool setAccount(const QString& key, const QString& account, QString* problem);

    // A key made from `name` (its letters without accents, in lower case)
    // that no child of the list has.
    QString newKey(const QString& name) const;

private:
    Child* child(const QString& key, QString* problem);

    QList<Child> children_;
    QStringList kept_;
};

} // namespace toolkit
