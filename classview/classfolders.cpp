#include "classfolders.h"

#include "textfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <pwd.h>

namespace classview {

ClassFolders::ClassFolders(QString pattern, Accounts accounts) : accounts_(std::move(accounts))
{
    pattern = QDir::cleanPath(pattern);
    const qsizetype at = pattern.indexOf(QLatin1String("/%u"));
    const qsizetype after = at + 3;
    if (at < 0 || (after < pattern.size() && pattern[after] != QLatin1Char('/')) ||
        pattern.indexOf(QLatin1String("%u"), after) >= 0)
        return;
    root_ = at == 0 ? QStringLiteral("/") : pattern.left(at);
    rest_ = pattern.mid(after);
}

QString ClassFolders::folderOf(const QString& login) const
{
    return QDir(root_).filePath(login) + rest_;
}

QString ClassFolders::refusal(const QString& login) const
{
    return accounts_.refusal(login, QDir(root_).filePath(login));
}

QStringList ClassFolders::keyFolders(const QString& login, const QSet<QString>& keys,
                                     QStringList* problems) const
{
    // A few by name tell the teacher what is wrong; thousands would bury
    // everything else.
    constexpr int MostTold = 3;
    QStringList found;
    QStringList told;
    int untold = 0;
    const QString folder = folderOf(login);
    QDirIterator entries(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    int looked = 0;
    for (; entries.hasNext() && looked < MostEntries; ++looked) {
        const QFileInfo entry = entries.nextFileInfo();
        QString problem;
        if (keys.contains(entry.fileName())) {
            problem = accounts_.refusal(login, entry.filePath());
            if (problem.isEmpty())
                found << entry.fileName();
        } else if (entry.isDir() && !entry.isSymLink()) {
            problem =
                tr("%1 no es de ningún niño de la lista de la clase: se deja de lado")
                    .arg(toolkit::withoutControlCharacters(
                        QDir::toNativeSeparators(entry.filePath()), QChar::ReplacementCharacter));
        }
        if (problem.isEmpty())
            continue;
        if (told.size() < MostTold)
            told << problem;
        else
            ++untold;
    }
    if (untold > 0)
        told << tr("%1: y %2 más que se dejan de lado")
                    .arg(QDir::toNativeSeparators(folder))
                    .arg(untold);
    if (entries.hasNext())
        told << tr("%1 tiene más de %2 entradas: solo se miran las primeras")
                    .arg(QDir::toNativeSeparators(folder))
                    .arg(MostEntries);
    if (problems)
        *problems << told;
    return found;
}

QString accountName(const QString& login)
{
    const struct passwd* account = getpwnam(login.toLocal8Bit().constData());
    if (!account || !account->pw_gecos)
        return login;
    const QString name = QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0);
    return name.trimmed().isEmpty() ? login : name.trimmed();
}

QHash<QString, QString> readNames(const QByteArray& csv)
{
    static const QRegularExpression separator(QStringLiteral("[,;\\t]"));
    QHash<QString, QString> names;
    for (const QString& line : toolkit::decodeText(csv).split(QLatin1Char('\n'))) {
        const qsizetype cut = line.indexOf(separator);
        if (cut <= 0)
            continue;
        const auto unquote = [](QString field) {
            field = field.trimmed();
            if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) &&
                field.endsWith(QLatin1Char('"')))
                field = field.mid(1, field.size() - 2)
                            .replace(QLatin1String("\"\""), QLatin1String("\""));
            return field;
        };
        const QString login = unquote(line.left(cut));
        const QString name = unquote(line.mid(cut + 1));
        // A login is one word; a heading such as "Usuario" is no account of
        // the class but does no harm either.
        if (!login.isEmpty() && !login.contains(QLatin1Char(' ')) && !name.isEmpty())
            names.insert(login, name);
    }
    return names;
}

} // namespace classview
