#include "fakeplatform.h"

#include <QBuffer>
#include <QDialog>
#include <QFileInfo>
#include <QPdfWriter>

namespace toolkit {

int FakePlatform::messageBox(const QString& text, int style)
{
    messages.append({text, style});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    // Unscripted, a box is answered as Enter would.
    if ((style & ~vbDefaultYes) == vbYesNo)
        return style & vbDefaultYes ? vbYes : vbNo;
    return vbOK;
}

QString FakePlatform::nextFileName()
{
    if (fileNameAnswers.empty())
        return {};
    QString name = fileNameAnswers.front();
    fileNameAnswers.pop_front();
    return name;
}

int FakePlatform::execDialog(QDialog& dialog)
{
    modalWindows << dialog.windowTitle();
    return dialogScript ? dialogScript(dialog) : QDialog::Rejected;
}

bool FakePlatform::printPages(const QString& title,
                              const std::function<bool(QPagedPaintDevice&)>& paint)
{
    printTitles << title;
    if (!printAccepted)
        return false;
    QBuffer buffer(&printedPdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    return paint(writer);
}

QStringList FakePlatform::soundNames() const
{
    QStringList names;
    for (const QString& path : sounds)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace toolkit
