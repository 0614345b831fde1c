#include "picturebatch.h"

#include "activityfile.h"
#include "activitypicture.h"
#include "language.h"
#include "picturefiles.h"
#include "tracing/tracing.h"
#include "twips.h"

#include <QFileInfo>
#include <cmath>

namespace editor {

namespace {

// A page pixel as the activity file keeps it: twips for an 800 x 600 screen.
int fileX(double x)
{
    return int(std::lround(x * toolkit::TwipsPerPixel * 800 / PictureBatch::Screen.width()));
}

int fileY(double y)
{
    return int(std::lround(y * toolkit::TwipsPerPixel * 600 / PictureBatch::Screen.height()));
}

} // namespace

QSize PictureBatch::page()
{
    return {toolkit::twipsToPixels(CanvasTwips.width()),
            toolkit::twipsToPixels(CanvasTwips.height())};
}

std::optional<PictureBatch> PictureBatch::fromArguments(const QStringList& arguments,
                                                        QString& problem)
{
    if (!arguments.contains(QStringLiteral("--tema")))
        return std::nullopt;
    PictureBatch batch;
    bool counted = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valued = argument == QLatin1String("--tema") ||
                            argument == QLatin1String("--puntos") ||
                            argument == QLatin1String("--paso");
        if (valued && i + 1 == arguments.size()) {
            problem = tr("Falta el valor de %1.").arg(argument);
            return batch;
        }
        if (argument == QLatin1String("--tema")) {
            batch.theme = arguments[++i];
        } else if (argument == QLatin1String("--puntos")) {
            bool number = false;
            batch.dots = arguments[++i].toInt(&number);
            if (!number || batch.dots < 3 || batch.dots > 150) {
                problem = tr("--puntos va de 3 a 150.");
                return batch;
            }
            counted = true;
        } else if (argument == QLatin1String("--paso")) {
            bool number = false;
            batch.labels.step = arguments[++i].toInt(&number);
            // The editor's own choice of steps.
            if (!number || batch.labels.step < 1 || batch.labels.step > 15) {
                problem = tr("--paso va de 1 a 15.");
                return batch;
            }
        } else if (argument == QLatin1String("--letras")) {
            batch.labels.letters = alphabetOf(toolkit::languageInUse());
        } else if (argument == QLatin1String("--con-contorno")) {
            batch.keepOutline = true;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            problem = tr("Opción desconocida: %1").arg(argument);
            return batch;
        } else {
            batch.pictures << argument;
        }
    }
    if (!batch.labels.letters.isEmpty()) {
        if (batch.labels.step != 1) {
            problem = tr("--letras y --paso no van juntos.");
            return batch;
        }
        if (!counted)
            batch.dots = int(batch.labels.letters.size());
        if (batch.dots > batch.labels.letters.size()) {
            problem = tr("Con --letras, como mucho %1 puntos.").arg(batch.labels.letters.size());
            return batch;
        }
    }
    if (batch.pictures.isEmpty())
        problem = tr("No se ha dado ninguna imagen.");
    else
        problem = toolkit::ThemeLibrary::folderProblem(batch.theme); // a new one's, when saved
    return batch;
}

PictureBatch::Activity PictureBatch::activityFrom(const QString& path) const
{
    const QImage drawing = toolkit::readFittedPicture(path, page());
    if (drawing.isNull())
        return {{},
                {},
                tr("no se puede abrir: no es una imagen, está dañada o es "
                   "demasiado grande"),
                {}};
    const QList<Outline> outlines = traceFigures(drawing);
    if (outlines.isEmpty())
        return {{}, {}, tr("no tiene ninguna figura"), {}};
    QStringList entries;
    // Counting in twos starts at 2, as a child counts.
    int number = labels.letters.isEmpty() ? labels.step : 1;
    for (const QList<QPointF>& figure :
         dotsAlong(outlines, dotsThatFit(dots, int(outlines.size()), MaxDotEntries))) {
        for (const QPointF& dot : figure) {
            entries << dotEntry(labels.label(number), fileX(dot.x()), fileY(dot.y()), 0, 0, 0);
            number += labels.step;
        }
        entries << dotEntry({}, fileX(figure.first().x()), fileY(figure.first().y()), 0, 0, 0);
    }
    // As the editor starts: black dots with a circle round them.
    const ActivityHeader header{CanvasTwips.width(), CanvasTwips.height(), true, DefaultDotSize,
                                DefaultFontPoints};
    return {activityText(header, entries),
            toolkit::activityPictureBytes(keepOutline ? drawing : withoutOutline(drawing), Screen),
            {},
            mainFigure(drawing)};
}

int PictureBatch::run(const toolkit::ThemeLibrary& library, QTextStream& out,
                      QTextStream& err) const
{
    int failed = 0;
    for (const QString& path : pictures) {
        const Activity made = activityFrom(path);
        const auto saved = made.problem.isEmpty() ? library.save(theme, made.text, made.picture)
                                                  : toolkit::ThemeLibrary::Saved{{}, made.problem};
        if (!saved.problem.isEmpty()) {
            err << path << ": " << saved.problem << Qt::endl;
            ++failed;
            continue;
        }
        if (const auto figure = made.scene)
            out << path << ": "
                << tr("es una escena; los puntos rodean su figura principal, de %1 × %2 px en "
                      "(%3, %4) de la página")
                       .arg(figure->width())
                       .arg(figure->height())
                       .arg(figure->x())
                       .arg(figure->y())
                << '\n';
        out << saved.path << '\n' << toolkit::activityPicturePath(saved.path) << Qt::endl;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace editor
