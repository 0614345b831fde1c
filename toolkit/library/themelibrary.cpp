#include "themelibrary.h"

#include "activityfiles.h"
#include "activitypicture.h"
#include "newfile.h"
#include "writablefolder.h"

#include <QDir>
#include <QFileInfo>

namespace toolkit {

namespace {

QString busy(const QString& theme)
{
    return ThemeLibrary::tr("Otra persona está cambiando el tema «%1» en este momento. Espera un "
                            "poco y vuelve a probar.")
        .arg(QFileInfo(theme).fileName());
}

// An entry the library never touches, told to the adult.
QString damaged(const QString& path)
{
    return ThemeLibrary::tr("La actividad %1 está dañada: no es un archivo normal del tema (quizá "
                            "un enlace). Lunipo no la toca; quítala de la carpeta a mano.")
        .arg(QDir::toNativeSeparators(path));
}

QString cannotChange(const QString& theme)
{
    return ThemeLibrary::tr("No se puede cambiar el tema (%1).")
        .arg(QDir::toNativeSeparators(theme));
}

} // namespace

ThemeLibrary::ThemeLibrary(QString appFolder, Share share, QString papelera)
    : appFolder_(std::move(appFolder)), share_(std::move(share)), papelera_(std::move(papelera))
{
}

Trash ThemeLibrary::trash() const
{
    Trash trash(papelera_);
    trash.useDesktopTrash = useDesktopTrash;
    return trash;
}

bool ThemeLibrary::canChange(const QString& theme)
{
    const QFileInfo folder(theme);
    return folder.isDir() && !folder.isSymLink() && canWriteInto(theme);
}

QString ThemeLibrary::lockProblem(const QString& theme, const ThemeLock& lock) const
{
    switch (lock.state()) {
    case ThemeLock::State::Held:
        Renumbering(theme, lock, trash()).recover();
        return {};
    case ThemeLock::State::Busy:
        return busy(theme);
    case ThemeLock::State::Linked:
        return tr("El tema «%1» es un enlace a otra carpeta: Lunipo lo muestra, pero no "
                  "escribe en él.")
            .arg(QFileInfo(theme).fileName());
    case ThemeLock::State::Failed:
        break;
    }
    return cannotChange(theme);
}

QString ThemeLibrary::replace(const QString& path, const QByteArray& contents,
                              const QByteArray& picture) const
{
    const QString theme = QFileInfo(path).path();
    const ThemeLock lock(theme, lockPatienceMs);
    if (const QString problem = lockProblem(theme, lock); !problem.isEmpty())
        return problem;
    if (!isPlainFile(path))
        return damaged(path);
    if (!replaceFile(path, contents))
        return tr("No se ha podido reemplazar la actividad %1: sigue como estaba.")
            .arg(QDir::toNativeSeparators(path));
    if (!putActivityPicture(path, picture)) {
        putActivityPicture(path, {}); // never the old drawing under the new dots
        return tr("La actividad %1 se ha reemplazado, pero no su dibujo.")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

QString ThemeLibrary::move(const QString& theme, int number, int places) const
{
    const ThemeLock lock(theme, lockPatienceMs);
    if (const QString problem = lockProblem(theme, lock); !problem.isEmpty())
        return problem;
    // The numbers the adult sees are those of the finished theme.
    const QList<ActivityFile> files = activityFiles(theme);
    const int target = number + places;
    if (number < 1 || number > files.size() || target < 1 || target > files.size())
        return tr("La actividad %1 no se puede mover ahí.").arg(number);
    for (int n : {number, target})
        if (files[n - 1].damaged)
            return damaged(files[n - 1].path);
    return renumber(theme, lock,
                    {{QFileInfo(files[number - 1].path).fileName(), activityName(target)},
                     {QFileInfo(files[target - 1].path).fileName(), activityName(number)}});
}

QString ThemeLibrary::remove(const QString& theme, int number) const
{
    const ThemeLock lock(theme, lockPatienceMs);
    if (const QString problem = lockProblem(theme, lock); !problem.isEmpty())
        return problem;
    const QList<ActivityFile> files = activityFiles(theme);
    if (number < 1 || number > files.size())
        return tr("El tema no tiene actividad %1.").arg(number);
    for (int n = number; n <= files.size(); ++n)
        if (files[n - 1].damaged)
            return damaged(files[n - 1].path);
    // The removed one first: its number is free before another comes to it.
    QList<Renumbering::Move> moves{{QFileInfo(files[number - 1].path).fileName(), {}}};
    for (int n = number + 1; n <= files.size(); ++n)
        moves.append({QFileInfo(files[n - 1].path).fileName(), activityName(n - 1)});
    return renumber(theme, lock, moves);
}

QString ThemeLibrary::renumber(const QString& theme, const ThemeLock& lock,
                               const QList<Renumbering::Move>& moves) const
{
    switch (Renumbering(theme, lock, trash(), stepDone).run(moves)) {
    case Renumbering::Result::Done:
        return {};
    case Renumbering::Result::NotStarted:
        return cannotChange(theme);
    case Renumbering::Result::CutShort:
        break;
    }
    return tr("No se ha podido ordenar el tema (%1): se terminará al abrir el editor "
              "la próxima vez.")
        .arg(QDir::toNativeSeparators(theme));
}

QString ThemeLibrary::renameTheme(const QString& theme, const QString& name, QString* renamed) const
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    const QString target = QFileInfo(theme).dir().filePath(name.trimmed());
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return tr("Ya hay un tema «%1».").arg(name.trimmed());
    ThemeLock lock(theme, lockPatienceMs);
    if (const QString problem = lockProblem(theme, lock); !problem.isEmpty())
        return problem;
    if (!QDir().rename(theme, target))
        return tr("No se ha podido cambiar el nombre del tema (%1).")
            .arg(QDir::toNativeSeparators(theme));
    lock.movedTo(target);
    if (renamed)
        *renamed = target;
    return {};
}

QString ThemeLibrary::removeTheme(const QString& theme) const
{
    ThemeLock lock(theme, lockPatienceMs);
    if (const QString problem = lockProblem(theme, lock); !problem.isEmpty())
        return problem;
    if (const QString trashed = trash().take(theme, QFileInfo(theme).fileName());
        !trashed.isEmpty()) {
        lock.movedTo(trashed);
        return {};
    }
    return tr("No se ha podido llevar el tema a la papelera (%1).")
        .arg(QDir::toNativeSeparators(theme));
}

void ThemeLibrary::recover(const QStringList& themes) const
{
    for (const QString& theme : themes) {
        if (!Renumbering::pending(theme))
            continue;
        // A theme another editor is changing right now is its to finish.
        const ThemeLock lock(theme, 0);
        if (lock.held())
            Renumbering(theme, lock, trash()).recover();
    }
}

} // namespace toolkit
