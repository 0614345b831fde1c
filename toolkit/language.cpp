#include "language.h"

#include "labsettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace toolkit {

namespace {

// "ca_ES.UTF-8@valencia" -> "ca"; "C" and "POSIX" name no language.
QString languageOf(const QString& locale)
{
    const QString code = locale.section(QLatin1Char('@'), 0, 0)
                             .section(QLatin1Char('.'), 0, 0)
                             .section(QLatin1Char('_'), 0, 0)
                             .toLower();
    return languages().contains(code) ? code : QString();
}

void install(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
    if (locale.isEmpty() || locale == QLatin1String("C") ||
        locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX"))
        return QStringLiteral("es");
    QStringList wanted = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& each : wanted)
        if (const QString code = languageOf(each); !code.isEmpty())
            return code;
    return QStringLiteral("es");
}

QString sessionLanguage()
{
    return chooseLanguage(LabSettings::current().language,
                          [](const char* name) { return qEnvironmentVariable(name); });
}

void useLanguage(QCoreApplication& app, const QString& language)
{
    // qtbase holds the dialogs and message boxes, print dialog included.
    install(app, QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != QLatin1String("es"))
        install(app, QStringLiteral("lunipo_") + language, QStringLiteral(":/traducciones"));
}

} // namespace toolkit
