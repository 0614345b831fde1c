#include "dotlabels.h"

#include <QStringList>

namespace editor {

QString alphabetOf(const QString& language)
{
    static const QStringList withEnye{QStringLiteral("es"), QStringLiteral("gl"),
                                      QStringLiteral("eu")};
    return withEnye.contains(language) ? QStringLiteral("ABCDEFGHIJKLMNÑOPQRSTUVWXYZ")
                                       : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

QString DotLabels::label(int number) const
{
    if (number >= 1 && number <= letters.size())
        return letters.at(number - 1);
    return QString::number(number);
}

std::optional<int> DotLabels::numberOf(const QString& label) const
{
    const QString text = label.trimmed();
    if (text.size() == 1 && !letters.isEmpty()) {
        const qsizetype at = letters.indexOf(text.toUpper());
        if (at >= 0)
            return int(at) + 1;
    }
    bool numbered = false;
    const int number = text.toInt(&numbered);
    return numbered ? std::optional<int>(number) : std::nullopt;
}

} // namespace editor
