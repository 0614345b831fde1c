#include "classbook.h"

#include "classfolders.h"
#include "csvfields.h"
#include "folderlister.h"
#include "newfile.h"
#include "share.h"
#include "teachersfolder.h"
#include "textfiles.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <algorithm>

namespace classview {

namespace {

const QString GroupsFile = QStringLiteral("grupos.csv");
const QString NamesFile = QStringLiteral("nombres.csv");
const QByteArray GroupsHeading = "grupo,usuario\r\n";
const QByteArray NamesHeading = "usuario,nombre\r\n";
// Hundreds of times what a school writes; more is no list of a class.
constexpr qint64 LargestFile = 1024 * 1024;
// An edit holds the lock for the time of writing a few kilobytes.
constexpr int LockPatienceMs = 2000;

// Control characters, and the line breaks a spreadsheet may take as such.
bool hasControl(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
               c.category() == QChar::Separator_Paragraph;
    });
}

// As readNames takes them: one word, and nothing that would split a field.
bool isLogin(const QString& login)
{
    static const QRegularExpression notInLogin(QStringLiteral("[\\s,;\"/]"));
    return !login.isEmpty() && !login.contains(notInLogin) && !hasControl(login);
}

QString oneLine(const QString& text)
{
    return toolkit::withoutControlCharacters(text).trimmed();
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

ClassBook::ClassBook(QString folder) : ClassBook(std::move(folder), toolkit::FolderLister::shared())
{
}

ClassBook::ClassBook(QString folder, toolkit::FolderLister& lister)
    : folder_(QDir::cleanPath(folder)), lister_(&lister)
{
}

QString ClassBook::folderFor(const QString& root)
{
    return QDir(root).filePath(QStringLiteral(".clase"));
}

bool ClassBook::answers(QString* problem) const
{
    if (lister_->list({folder_}).first())
        return true;
    if (problem)
        *problem = toolkit::Share::notAnswering(folder_);
    return false;
}

std::optional<QByteArray> ClassBook::read(const QString& file, QStringList* problems) const
{
    const QString path = QDir(folder_).filePath(file);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    // Without following a link and without waiting on a FIFO.
    auto bytes = toolkit::readRegularFile(path, LargestFile, toolkit::Links::Refuse);
    if (bytes && !bytes->contains('\0'))
        return bytes;
    if (problems)
        *problems << tr("%1 no se puede leer (es un enlace, no es un archivo normal, está "
                        "dañado o pasa de 1 MB): se deja de lado y no se escribe encima. "
                        "Quítalo o arréglalo.")
                         .arg(QDir::toNativeSeparators(path));
    return std::nullopt;
}

bool ClassBook::reload(QStringList* problems)
{
    QString problem;
    if (!answers(&problem)) {
        if (problems)
            *problems << problem;
        return false;
    }
    // A folder a child may have made is not read: what it says is not the
    // teachers' word.
    const TeachersFolder teachers(folder_);
    if (const auto state = teachers.state(); state == TeachersFolder::State::Untrusted) {
        groups_ = {};
        names_.clear();
        if (problems)
            *problems << teachers.problem(state);
        return false;
    }
    const auto groups = read(GroupsFile, problems);
    const auto names = read(NamesFile, problems);
    QStringList unread;
    groups_ = parseGroups(groups.value_or(QByteArray()), &unread);
    names_ = parseNames(names.value_or(QByteArray()));
    if (!unread.isEmpty() && problems)
        *problems << tr("%1: no se entienden las líneas %2; se dejan como están.")
                         .arg(QDir::toNativeSeparators(QDir(folder_).filePath(GroupsFile)),
                              unread.join(QStringLiteral(", ")));
    return groups && names;
}

QStringList ClassBook::groups() const
{
    QStringList names = groups_.members.keys();
    // A session without a language (LANG=C) would sort by character codes,
    // "10" before "2": it sorts as in the programs' own language instead.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::Spanish) : QLocale());
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QSet<QString> ClassBook::members(const QString& group) const
{
    return groups_.members.value(group.trimmed());
}

bool ClassBook::rewrite(const QString& file, const Change& change, QString* problem)
{
    QString why;
    if (!answers(&why)) {
        if (problem)
            *problem = why;
        return false;
    }
    // Nor is such a folder written: it would tell the children the class.
    const TeachersFolder teachers(folder_);
    if (const auto state = teachers.state(); state != TeachersFolder::State::Trusted) {
        if (problem)
            *problem = teachers.problem(state);
        return false;
    }
    const QString unwritable = tr("No se puede escribir en %1. El administrador tiene que dejar "
                                  "escribir en ella al profesorado como dice su guía: "
                                  "install -d -o root -g %2 -m 2770 %1")
                                   .arg(QDir::toNativeSeparators(folder_), teachers.groupName());
    // Another teacher's edit in between the reading and the writing below
    // would be lost.
    QLockFile lock(QDir(folder_).filePath(QLatin1Char('.') + file + QStringLiteral(".lock")));
    if (!lock.tryLock(LockPatienceMs)) {
        if (problem)
            *problem = lock.error() == QLockFile::LockFailedError
                           ? tr("Otra persona está cambiando %1 ahora mismo: prueba otra vez "
                                "dentro de un momento.")
                                 .arg(file)
                           : unwritable;
        return false;
    }
    QStringList unreadable;
    const auto present = read(file, &unreadable);
    if (!present) {
        if (problem)
            *problem = unreadable.join(QLatin1Char(' '));
        return false;
    }
    const auto refresh = [&](const QByteArray& text) {
        if (file == GroupsFile)
            groups_ = parseGroups(text, nullptr);
        else if (file == NamesFile)
            names_ = parseNames(text);
    };
    refresh(*present);
    const auto changed = change(*present, &why);
    if (!changed) {
        if (problem)
            *problem = why;
        return false;
    }
    if (*changed == *present)
        return true;
    const QString path = QDir(folder_).filePath(file);
    if (!toolkit::writeFile(path, *changed)) {
        if (problem)
            *problem = QFileInfo(folder_).isWritable()
                           ? tr("No se ha podido guardar %1: queda como estaba.")
                                 .arg(QDir::toNativeSeparators(path))
                           : unwritable;
        return false;
    }
    // Whatever this teacher's umask: the others read and replace it too.
    // The children's list is read by the children's accounts as well, to
    // ask who plays; the folder lets them in without showing what it holds.
    QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;
    if (file == toolkit::ClassList::FileName)
        permissions |= QFile::ReadOther;
    QFile::setPermissions(path, permissions);
    refresh(*changed);
    return true;
}

std::optional<QString> ClassBook::groupName(const QString& name, QString* problem)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        *problem = tr("El grupo necesita un nombre.");
    else if (hasControl(trimmed))
        *problem = tr("El nombre de un grupo va en una sola línea.");
    else
        return trimmed;
    return std::nullopt;
}

bool ClassBook::editGroups(const GroupChange& change, QString* problem)
{
    return rewrite(
        GroupsFile,
        [&](const QByteArray& present, QString* why) -> std::optional<QByteArray> {
            Groups groups = parseGroups(present, nullptr);
            if (!change(groups, why))
                return std::nullopt;
            return formatGroups(groups);
        },
        problem);
}

bool ClassBook::addToGroup(const QString& group, const QStringList& logins, QString* problem)
{
    QString why;
    const auto name = groupName(group, &why);
    const auto bad = std::find_if_not(logins.cbegin(), logins.cend(), isLogin);
    if (name && bad != logins.cend())
        why = tr("«%1» no es un nombre de usuario.").arg(*bad);
    if (!name || bad != logins.cend()) {
        if (problem)
            *problem = why;
        return false;
    }
    return editGroups(
        [&](Groups& groups, QString*) {
            auto& members = groups.members[*name];
            for (const QString& login : logins)
                members.insert(login);
            return true;
        },
        problem);
}

bool ClassBook::removeFromGroup(const QString& group, const QStringList& logins, QString* problem)
{
    return editGroups(
        [&](Groups& groups, QString*) {
            const auto members = groups.members.find(group.trimmed());
            if (members != groups.members.end())
                for (const QString& login : logins)
                    members->remove(login);
            return true;
        },
        problem);
}

bool ClassBook::renameGroup(const QString& from, const QString& to, QString* problem)
{
    QString why;
    const auto name = groupName(to, &why);
    if (!name) {
        if (problem)
            *problem = why;
        return false;
    }
    return editGroups(
        [&](Groups& groups, QString* refused) {
            const QString old = from.trimmed();
            if (old == *name && groups.members.contains(old))
                return true;
            if (!groups.members.contains(old))
                *refused = tr("Ya no hay ningún grupo «%1».").arg(old);
            else if (groups.members.contains(*name))
                *refused = tr("Ya hay un grupo «%1».").arg(*name);
            else
                groups.members.insert(*name, groups.members.take(old));
            return refused->isEmpty();
        },
        problem);
}

bool ClassBook::removeGroup(const QString& group, QString* problem)
{
    return editGroups(
        [&](Groups& groups, QString*) {
            groups.members.remove(group.trimmed());
            return true;
        },
        problem);
}

bool ClassBook::importNames(const QByteArray& csv, QString* problem)
{
    const QHash<QString, QString> imported = parseNames(csv);
    if (imported.isEmpty()) {
        if (problem)
            *problem = tr("No hay nombres en lo importado: se esperaban líneas «usuario,nombre».");
        return false;
    }
    return rewrite(
        NamesFile,
        [&](const QByteArray& present, QString*) -> std::optional<QByteArray> {
            QHash<QString, QString> names = parseNames(present);
            names.insert(imported);
            return formatNames(names);
        },
        problem);
}

bool ClassBook::editChildren(const ChildrenChange& change, QString* problem)
{
    return rewrite(
        toolkit::ClassList::FileName,
        [&](const QByteArray& present, QString* why) -> std::optional<QByteArray> {
            toolkit::ClassList list = toolkit::ClassList::parse(present, nullptr);
            if (!change(list, why))
                return std::nullopt;
            return toolkit::ClassList::format(list);
        },
        problem);
}

std::optional<toolkit::ClassList> ClassBook::children(QStringList* problems) const
{
    QString problem;
    const TeachersFolder teachers(folder_);
    if (!answers(&problem)) {
        if (problems)
            *problems << problem;
        return std::nullopt;
    }
    if (const auto state = teachers.state(); state == TeachersFolder::State::Untrusted) {
        if (problems)
            *problems << teachers.problem(state);
        return std::nullopt;
    }
    // read() tells why a file cannot be read.
    const auto text = read(toolkit::ClassList::FileName, problems);
    if (!text)
        return std::nullopt;
    return toolkit::ClassList::parse(*text, problems);
}

ClassBook::Groups ClassBook::parseGroups(const QByteArray& text, QStringList* unread)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    Groups groups;
    const QStringList lines = toolkit::decodeText(text).split(lineEnd);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        QStringList fields = toolkit::csvFields(lines[i]);
        while (fields.size() > 2 && fields.last().isEmpty()) // a spreadsheet's empty columns
            fields.removeLast();
        if (i == 0 && fields.size() == 2 &&
            fields[0].compare(QLatin1String("grupo"), Qt::CaseInsensitive) == 0 &&
            fields[1].compare(QLatin1String("usuario"), Qt::CaseInsensitive) == 0)
            continue;
        QString unused;
        if (fields.size() != 2 || !groupName(fields[0], &unused) ||
            (!fields[1].isEmpty() && !isLogin(fields[1]))) {
            groups.kept << lines[i];
            if (unread)
                *unread << QString::number(i + 1);
            continue;
        }
        auto& members = groups.members[fields[0]];
        if (!fields[1].isEmpty())
            members.insert(fields[1]);
    }
    return groups;
}

QByteArray ClassBook::formatGroups(const Groups& groups)
{
    QByteArray text = GroupsHeading;
    for (auto group = groups.members.cbegin(); group != groups.members.cend(); ++group) {
        const QByteArray name = toolkit::csvField(group.key()) + ',';
        if (group->isEmpty())
            text += name + "\r\n";
        for (const QString& login : sorted(group->values()))
            text += name + toolkit::csvField(login) + "\r\n";
    }
    for (const QString& line : groups.kept)
        text += line.toUtf8() + "\r\n";
    return text;
}

QHash<QString, QString> ClassBook::parseNames(const QByteArray& text)
{
    QHash<QString, QString> names = readNames(text);
    // The headings, as this book and most spreadsheets write them, and what
    // no account is called: blanks in quotes at either end would be lost
    // when written, and the name would then go to another login.
    names.removeIf([](const auto& pair) {
        const QString& login = pair.key();
        return login.compare(QLatin1String("usuario"), Qt::CaseInsensitive) == 0 ||
               !isLogin(login) || login != login.trimmed();
    });
    return names;
}

QByteArray ClassBook::formatNames(const QHash<QString, QString>& names)
{
    QByteArray text = NamesHeading;
    for (const QString& login : sorted(names.keys())) {
        // A name of control characters only would be read back as none.
        if (const QString name = oneLine(names.value(login)); !name.isEmpty())
            text += toolkit::csvField(login) + ',' + toolkit::csvField(name) + "\r\n";
    }
    return text;
}

} // namespace classview
