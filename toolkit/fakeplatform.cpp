#include "fakeplatform.h"

#include <QFileInfo>

namespace toolkit {

int FakePlatform::messageBox(const QString& text, int style)
{
    messages.append({text, style});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return style == vbYesNo ? vbNo : vbOK;
}

QString FakePlatform::nextFileName()
{
    if (fileNameAnswers.empty())
        return {};
    QString name = fileNameAnswers.front();
    fileNameAnswers.pop_front();
    return name;
}

QStringList FakePlatform::soundNames() const
{
    QStringList names;
    for (const QString& path : sounds)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace toolkit
