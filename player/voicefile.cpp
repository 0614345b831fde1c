#include "voicefile.h"

#include "textfiles.h"

#include <QDir>

#include <algorithm>

namespace player {

namespace {

bool canNameAFile(const QString& label)
{
    const auto unsafe = [](QChar c) {
        return c.category() == QChar::Other_Control || c == QLatin1Char('/') ||
               c == QLatin1Char('\\');
    };
    return !label.isEmpty() && !label.contains(QStringLiteral("..")) &&
           std::none_of(label.begin(), label.end(), unsafe);
}

} // namespace

QString voiceFile(const QString& folder, const QString& rawLabel)
{
    // A file edited by hand may have blanks round a label; the name has none.
    const QString label = rawLabel.trimmed();
    if (!canNameAFile(label))
        return {};
    // An activity file read as Windows-1252 gives "Ñ" composed, and so does
    // a file name typed on Linux; a label could come decomposed from UTF-8.
    const QString name = label.normalized(QString::NormalizationForm_C);
    // The shipped voices are Ogg Vorbis, to keep the package small; a
    // school's own recordings are usually WAV, laid beside them to be heard
    // instead, so a WAV comes first.
    for (const char* extension : {".wav", ".ogg"}) {
        const QString found =
            toolkit::findFileIgnoringCase(folder, name + QLatin1String(extension));
        if (!found.isEmpty())
            return QDir(folder).filePath(found);
    }
    return {};
}

} // namespace player
