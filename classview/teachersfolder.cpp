#include "teachersfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace classview {

namespace {

// Large enough for any group of a school; the lookups are retried with more.
constexpr size_t FirstBuffer = 16 * 1024;
constexpr size_t LargestBuffer = 1024 * 1024;

std::optional<TeachersFolder::Account> accountOf(uid_t uid)
{
    for (size_t size = FirstBuffer; size <= LargestBuffer; size *= 4) {
        std::vector<char> buffer(size);
        struct passwd entry = {};
        struct passwd* found = nullptr;
        const int error = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE)
            continue;
        if (error != 0 || !found)
            return std::nullopt;
        return TeachersFolder::Account{QString::fromLocal8Bit(found->pw_name), found->pw_gid};
    }
    return std::nullopt;
}

// The group `id`, and its name; nullopt when the system has none.
std::optional<std::pair<TeachersFolder::Group, QString>> groupOf(gid_t id)
{
    for (size_t size = FirstBuffer; size <= LargestBuffer; size *= 4) {
        std::vector<char> buffer(size);
        struct group entry = {};
        struct group* found = nullptr;
        const int error = ::getgrgid_r(id, &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE)
            continue;
        if (error != 0 || !found)
            return std::nullopt;
        TeachersFolder::Group group{id, {}};
        for (char** member = found->gr_mem; member && *member; ++member)
            group.members << QString::fromLocal8Bit(*member);
        return std::pair{group, QString::fromLocal8Bit(found->gr_name)};
    }
    return std::nullopt;
}

std::optional<struct stat> statOf(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

} // namespace

bool TeachersFolder::trusted(const Facts& facts, const std::optional<Account>& owner,
                             const Group& teachers)
{
    const bool teacher =
        owner && (owner->group == teachers.id || teachers.members.contains(owner->login));
    return facts.folder && !(facts.mode & S_IWOTH) && (facts.owner == 0 || teacher);
}

TeachersFolder::TeachersFolder(QString folder) : folder_(QDir::cleanPath(folder)) {}

TeachersFolder::State TeachersFolder::state() const
{
    const auto folder = statOf(folder_);
    if (!folder)
        return State::Missing;
    const auto root = statOf(QFileInfo(folder_).path());
    const auto group = root ? groupOf(root->st_gid) : std::nullopt;
    const Facts facts{S_ISDIR(folder->st_mode), folder->st_uid, folder->st_mode};
    // With no group known, only root's folder is the teachers'.
    return trusted(facts, accountOf(folder->st_uid),
                   group ? group->first : Group{root ? root->st_gid : 0, {}})
               ? State::Trusted
               : State::Untrusted;
}

QString TeachersFolder::groupName() const
{
    const auto root = statOf(QFileInfo(folder_).path());
    const auto group = root ? groupOf(root->st_gid) : std::nullopt;
    return group  ? group->second
           : root ? QString::number(root->st_gid)
                  : QStringLiteral("profesorado");
}

QString TeachersFolder::problem(State state) const
{
    const QString native = QDir::toNativeSeparators(folder_);
    switch (state) {
    case State::Trusted:
        return {};
    case State::Missing:
        return tr("Falta la carpeta %1, donde el profesorado guarda los grupos, los nombres, el "
                  "archivo y la papelera. La crea el administrador como dice su guía: "
                  "install -d -o root -g %2 -m 2770 %1")
            .arg(native, groupName());
    case State::Untrusted:
        break;
    }
    return tr("La carpeta %1 no es de fiar: no es una carpeta de root ni del profesorado, o "
              "cualquiera puede escribir en ella. No se lee ni se escribe nada en ella. El "
              "administrador la aparta y la crea de nuevo como dice su guía: "
              "mv %1 %1.sospechosa && install -d -o root -g %2 -m 2770 %1")
        .arg(native, groupName());
}

} // namespace classview
