#include "madeactivities.h"

#include "activitypicture.h"
#include "picturebatch.h"
#include "twips.h"

#include <QFile>

namespace tracingtable {

QList<LibraryTheme> libraryThemes(const QString& list)
{
    QFile file(list);
    QList<LibraryTheme> themes;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return themes;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        QStringList words = line.split(' ', Qt::SkipEmptyParts);
        themes.append({words.takeFirst(), words});
    }
    return themes;
}

MadeActivity readMadeActivity(const QString& path)
{
    QFile file(path);
    MadeActivity made;
    if (!file.open(QIODevice::ReadOnly))
        return made;
    // Positions are kept for an 800 x 600 screen; the page is the editor's
    // on the batch's 1024 x 768.
    const QSize screen = editor::PictureBatch::Screen;
    const double x = double(screen.width()) / (800 * toolkit::TwipsPerPixel);
    const double y = double(screen.height()) / (600 * toolkit::TwipsPerPixel);
    QList<QPointF> figure;
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    for (const QString& line : lines.mid(5)) {
        const QStringList fields = line.split(',');
        if (fields.size() < 3)
            continue;
        if (fields[0].isEmpty()) { // closes the figure
            made.placed << figure;
            figure.clear();
            continue;
        }
        made.labels << fields[0];
        figure << QPointF(fields[1].toDouble() * x, fields[2].toDouble() * y);
    }
    made.picture = QImage(toolkit::activityPicturePath(path));
    return made;
}

} // namespace tracingtable
