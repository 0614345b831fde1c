#include "labsettings.h"

#include "language.h"
#include "themenames.h"

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
            tell(path, LabSettings::tr("no se puede leer; se deja de lado"));
            return;
        }
        for (const QString& key : file.allKeys()) {
            const QString name = key.section(QLatin1Char('/'), -1);
            if (key != Section + QLatin1Char('/') + name)
                tell(path, LabSettings::tr("«%1» está fuera de la sección [%2]; no se usa")
                               .arg(key, Section));
            else
                applyKey(path, name, text(file.value(key)).trimmed());
        }
    }

private:
    void applyKey(const QString& path, const QString& key, const QString& value)
    {
        if (key == QLatin1String("temas"))
            applyThemeFolders(path, value);
        else if (key == QLatin1String("dibujos"))
            applyAccountFolder(path, key, value, settings_.drawingsFolder,
                               settings_.drawingsPattern);
        else if (key == QLatin1String("progreso"))
            applyAccountFolder(path, key, value, settings_.progressFolder,
                               settings_.progressPattern);
        else if (key == QLatin1String("sonido"))
            applySound(path, value);
        else if (key == QLatin1String("pista"))
            applyHint(path, value);
        else if (key == QLatin1String("idioma"))
            applyLanguage(path, value);
        else if (key == QLatin1String("niveles"))
            applyLevels(path, value);
        else if (key == QLatin1String("quien-juega"))
            applyWhoPlays(path, value);
        else if (key == QLatin1String("quien-juega-espera"))
            applyNumber(path, key, value, MaxWaitMinutes, settings_.whoPlaysWaitMinutes);
        else if (key == QLatin1String("pizarra"))
            applyYesNo(path, key, value, settings_.reach.whiteboard);
        else if (key == QLatin1String("un-clic"))
            applyYesNo(path, key, value, settings_.reach.anyButton);
        else if (key == QLatin1String("sin-fallos"))
            applyYesNo(path, key, value, settings_.reach.silentMisses);
        else if (key == QLatin1String("diana"))
            applyNumber(path, key, value, MaxMillimetres, settings_.reach.targetMillimetres);
        else if (key == QLatin1String("atraer"))
            applyNumber(path, key, value, MaxMillimetres, settings_.reach.snapMillimetres);
        else if (key == QLatin1String("permanencia"))
            applyNumber(path, key, value, MaxDwell, settings_.reach.dwellMilliseconds);
        else
            tell(path, LabSettings::tr("la clave «%1» no se conoce; no se usa").arg(key));
    }

    // A relative folder would be looked for wherever the program happened
    // to be started from; it is told and left out.
    bool absolute(const QString& path, const QString& key, const QString& folder)
    {
        if (QDir::isAbsolutePath(folder))
            return true;
        tell(path, LabSettings::tr("%1: «%2» no es una carpeta completa (empieza por /); no se usa")
                       .arg(key, folder));
        return false;
    }

    // Empty is allowed: an account's file may take the lab's folders away.
    void applyThemeFolders(const QString& path, const QString& value)
    {
        QStringList list;
        for (const QString& part : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString folder = QDir::cleanPath(part.trimmed());
            if (!part.trimmed().isEmpty() && absolute(path, QStringLiteral("temas"), folder) &&
                !list.contains(folder))
                list << folder;
        }
        settings_.themeFolders = list;
    }

    // A folder of each account's own, "%u" standing for the login name.
    // `folder` gets the account's own folder, `pattern` the value as written.
    void applyAccountFolder(const QString& path, const QString& key, const QString& value,
                            QString& folder, QString& pattern)
    {
        const QString own = QString(value).replace(QLatin1String("%u"), loginName()).trimmed();
        if (own.isEmpty()) {
            folder.clear();
            pattern.clear();
        } else if (absolute(path, key, own)) {
            folder = QDir::cleanPath(own);
            pattern = QDir::cleanPath(value.trimmed());
        }
    }

    void applySound(const QString& path, const QString& value)
    {
        applyYesNo(path, QStringLiteral("sonido"), value, settings_.sound);
    }

    // An empty value says yes: "sin-fallos=" reads as the key turned on.
    void applyYesNo(const QString& path, const QString& key, const QString& value, bool& setting)
    {
        const QString word = value.toLower();
        if (word == QLatin1String("no"))
            setting = false;
        else if (word.isEmpty() || word == u"sí" || word == u"si")
            setting = true;
        else
            tell(path, LabSettings::tr("%1=%2: se esperaba «sí» o «no»").arg(key, value));
    }

    // Millimetres beyond a hand's width, or a wait of more than a minute,
    // are a slip of the keyboard.
    static constexpr int MaxMillimetres = 100;
    static constexpr int MaxDwell = 60000;
    // An hour: longer and the choice would as good as never come back.
    static constexpr int MaxWaitMinutes = 60;

    void applyNumber(const QString& path, const QString& key, const QString& value, int most,
                     int& setting)
    {
        bool number = false;
        const int read = value.toInt(&number);
        if (number && read >= 0 && read <= most)
            setting = read;
        else
            tell(path, LabSettings::tr("%1=%2: se esperaba un número de 0 a %3")
                           .arg(key, value)
                           .arg(most));
    }

    void applyHint(const QString& path, const QString& value)
    {
        bool number = false;
        const int seconds = value.toInt(&number);
        if (number && seconds >= 0 && seconds <= 3600)
            settings_.hintSeconds = seconds;
        else
            tell(path,
                 LabSettings::tr("pista=%1: se esperaban los segundos, de 0 a 3600").arg(value));
    }

    void applyLanguage(const QString& path, const QString& value)
    {
        const QString code = value.toLower();
        if (code.isEmpty() || languages().contains(code))
            settings_.language = code;
        else
            tell(path, LabSettings::tr("idioma=%1: se esperaba uno de %2")
                           .arg(value, languages().join(QStringLiteral(", "))));
    }

    // A group's name as the class list writes it: one line of printable text.
    void applyWhoPlays(const QString& path, const QString& value)
    {
        QString shown = value;
        for (QChar& c : shown)
            if (!c.isPrint())
                c = QLatin1Char('?');
        if (shown == value)
            settings_.whoPlays = value;
        else
            tell(path, LabSettings::tr("quien-juega=%1: no es el nombre de un grupo; no se usa")
                           .arg(shown));
    }

    void applyLevels(const QString& path, const QString& value)
    {
        QStringList levels;
        for (const QString& part : value.toLower().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString level = part.trimmed();
            if (!levelRange(level).isEmpty())
                levels << level;
            else
                tell(path, LabSettings::tr("niveles: «%1» no es un nivel (1, 2, 3, 4 o letras); "
                                           "no se usa")
                               .arg(level));
        }
        settings_.levels = levels;
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

QString LabSettings::Reach::summary() const
{
    QStringList on;
    if (whiteboard)
        on << QStringLiteral("pizarra");
    if (targetMillimetres > 0)
        on << QStringLiteral("diana=%1").arg(targetMillimetres);
    if (snapMillimetres > 0)
        on << QStringLiteral("atraer=%1").arg(snapMillimetres);
    if (dwellMilliseconds > 0)
        on << QStringLiteral("permanencia=%1").arg(dwellMilliseconds);
    if (anyButton)
        on << QStringLiteral("un-clic");
    if (silentMisses)
        on << QStringLiteral("sin-fallos");
    return on.join(QLatin1Char(' '));
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
