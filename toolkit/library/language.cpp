#include "language.h"

#include "labsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace toolkit {

namespace {

// Set once by useLanguage(), before any window opens.
QString spoken = QStringLiteral("es");

// "ca_ES.UTF-8@valencia" -> "ca"; "C" and "POSIX" name no language.
QString languageOf(const QString& locale)
{
    const QString code = locale.section(QLatin1Char('@'), 0, 0)
                             .section(QLatin1Char('.'), 0, 0)
                             .section(QLatin1Char('_'), 0, 0)
                             .toLower();
    return languages().contains(code) ? code : QString();
}

bool install(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(file, folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

const QStringList& languages()
{
    static const QStringList codes{QStringLiteral("es"), QStringLiteral("ca"),
                                   QStringLiteral("eu"), QStringLiteral("gl"),
                                   QStringLiteral("en"), QStringLiteral("pt")};
    return codes;
}

QString chooseLanguage(const QString& labLanguage,
                       const std::function<QString(const char*)>& variable)
{
    if (languages().contains(labLanguage))
        return labLanguage;
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = variable(name); !locale.isEmpty())
            break;
    // gettext: only the locales C and POSIX themselves pass LANGUAGE over
    // (C.UTF-8 does not), and a LANGUAGE that is set is the whole list: a
    // class whose languages Lunipo does not speak hears the source's Spanish,
    // not LANG's.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return QStringLiteral("es");
    const QStringList listed = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& each : listed.isEmpty() ? QStringList{locale} : listed)
        if (const QString code = languageOf(each); !code.isEmpty())
            return code;
    return QStringLiteral("es");
}

QString sessionLanguage()
{
    return chooseLanguage(LabSettings::current().language,
                          [](const char* name) { return qEnvironmentVariable(name); });
}

QString languageInUse()
{
    return spoken;
}

void useLanguage(QCoreApplication& app, const QString& language)
{
    spoken = language;
    // qtbase holds the dialogs and message boxes, print dialog included.
    // Qt has no Basque or Galician: those classes know Spanish better than
    // English. Its Portuguese is Brazil's.
    static const QHash<QString, QStringList> qtLanguages{
        {QStringLiteral("eu"), {QStringLiteral("es")}},
        {QStringLiteral("gl"), {QStringLiteral("es")}},
        {QStringLiteral("pt"), {QStringLiteral("pt"), QStringLiteral("pt_BR")}}};
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& qt : qtLanguages.value(language, {language}))
        if (install(app, QStringLiteral("qtbase_") + qt, folder))
            break;
    if (language != QLatin1String("es"))
        install(app, QStringLiteral("lunipo_") + language, QStringLiteral(":/traducciones"));
}

QByteArray translatedSvg(const QString& path, const char* context, const QList<const char*>& texts)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QString svg = QString::fromUtf8(file.readAll());
    for (const char* text : texts)
        svg.replace(QLatin1Char('>') + QString::fromUtf8(text) + QLatin1Char('<'),
                    QLatin1Char('>') + QCoreApplication::translate(context, text).toHtmlEscaped() +
                        QLatin1Char('<'));
    return svg.toUtf8();
}

} // namespace toolkit
