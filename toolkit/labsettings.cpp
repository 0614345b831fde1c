#include "labsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace toolkit {

namespace {

const QString Section = QStringLiteral("Lunipo");
const QString FileName = QStringLiteral("lunipo/lunipo.conf");

// The settings files in the order they are applied: the least important
// system folder first (XDG lists the most important first), the account's
// own file last.
QStringList settingsFiles()
{
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files.prepend(QDir(folder).filePath(FileName));
    return files;
}

QString loginName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

// QSettings splits a value at unquoted commas; a folder name may hold one.
QString text(const QVariant& value)
{
    return value.toStringList().join(QLatin1Char(','));
}

class Reader
{
public:
    Reader(LabSettings& settings, QStringList* problems) : settings_(settings), problems_(problems)
    {
    }

    void apply(const QString& path)
    {
        if (!QFileInfo::exists(path))
            return;
        QSettings file(path, QSettings::IniFormat);
        if (file.status() != QSettings::NoError || !QFileInfo(path).isReadable()) {
            tell(path, QStringLiteral("no se puede leer; se deja de lado"));
            return;
        }
        for (const QString& key : file.allKeys()) {
            const QString name = key.section(QLatin1Char('/'), -1);
            if (key != Section + QLatin1Char('/') + name)
                tell(path, QStringLiteral("«%1» está fuera de la sección [%2]; no se usa")
                               .arg(key, Section));
            else
                applyKey(path, name, text(file.value(key)).trimmed());
        }
    }

private:
    void applyKey(const QString& path, const QString& key, const QString& value)
    {
        if (key == QLatin1String("temas"))
            settings_.themeFolders = folders(value);
        else if (key == QLatin1String("dibujos"))
            settings_.drawingsFolder =
                QString(value).replace(QLatin1String("%u"), loginName()).trimmed();
        else if (key == QLatin1String("sonido"))
            applySound(path, value);
        else if (key == QLatin1String("pista"))
            applyHint(path, value);
        else
            tell(path, QStringLiteral("la clave «%1» no se conoce; no se usa").arg(key));
    }

    static QStringList folders(const QString& value)
    {
        QStringList list;
        for (const QString& folder : value.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (!folder.trimmed().isEmpty())
                list << QDir::cleanPath(folder.trimmed());
        return list;
    }

    void applySound(const QString& path, const QString& value)
    {
        const QString word = value.toLower();
        if (word == QLatin1String("no"))
            settings_.sound = false;
        else if (word == QLatin1String("sí") || word == QLatin1String("si"))
            settings_.sound = true;
        else
            tell(path, QStringLiteral("sonido=%1: se esperaba «sí» o «no»").arg(value));
    }

    void applyHint(const QString& path, const QString& value)
    {
        bool number = false;
        const int seconds = value.toInt(&number);
        if (number && seconds >= 0 && seconds <= 3600)
            settings_.hintSeconds = seconds;
        else
            tell(path,
                 QStringLiteral("pista=%1: se esperaban los segundos, de 0 a 3600").arg(value));
    }

    void tell(const QString& path, const QString& problem)
    {
        if (problems_)
            *problems_ << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem);
    }

    LabSettings& settings_;
    QStringList* problems_;
};

} // namespace

LabSettings LabSettings::read(QStringList* problems)
{
    LabSettings settings;
    Reader reader(settings, problems);
    for (const QString& path : settingsFiles())
        reader.apply(path);
    return settings;
}

const LabSettings& LabSettings::current()
{
    static const LabSettings settings = [] {
        QStringList problems;
        LabSettings read = LabSettings::read(&problems);
        for (const QString& problem : problems)
            std::fprintf(stderr, "lunipo.conf: %s\n", qPrintable(problem));
        return read;
    }();
    return settings;
}

} // namespace toolkit
