#include "activityreader.h"

#include "activityformat.h"
#include "textfiles.h"

#include <QFileInfo>
#include <cmath>

namespace editor {

namespace {

namespace activity = toolkit::activity;

// What reading the dot lines found that the player does not take as written.
struct Losses
{
    bool longLines = false;
    bool longLabels = false;
    bool missingFields = false;
    bool tamedNumbers = false;
    int offThePage = 0;
};

ReadActivity::Record recordOf(const QString& line, Losses& losses)
{
    const QStringList fields = activity::commaEndedFields(line);
    const auto field = [&fields](int n) { return n < fields.size() ? fields[n] : QString(); };
    losses.longLines |= line.size() >= activity::MaxLineLength;
    losses.longLabels |= field(0).size() > activity::MaxLabelLength;
    losses.missingFields |= fields.size() < 6;
    activity::Dot dot; // fresh, as the player's table before its first activity
    activity::readDot(line, dot);
    const ReadActivity::Record r{dot.label, dot.x, dot.y, dot.red, dot.green, dot.blue};
    for (int n = 1; n <= 2; ++n)
        losses.tamedNumbers |=
            std::fabs(toolkit::leadingNumber(field(n))) > activity::MaxCoordinate;
    for (int n = 3; n <= 5; ++n) {
        const double value = toolkit::leadingNumber(field(n));
        losses.tamedNumbers |= value < 0 || value > 255.5;
    }
    losses.offThePage += r.x < 0 || r.y < 0 || r.x >= 800 * 15 || r.y >= 600 * 15;
    return r;
}

void tellLosses(ReadActivity& read, const Losses& losses, bool moreDots, bool tooBig)
{
    QStringList& out = read.leftOut;
    if (tooBig)
        out << ReadActivity::tr("El fichero pasa de 1 MB: lo que sigue no se ha leído.");
    if (moreDots)
        out << ReadActivity::tr(
                   "Solo se leen los primeros %1 puntos: los demás se han dejado fuera.")
                   .arg(activity::MaxDots);
    if (losses.longLines)
        out << ReadActivity::tr("Alguna línea era demasiado larga y se ha cortado.");
    if (losses.longLabels)
        out << ReadActivity::tr("Alguna etiqueta tenía más de %1 letras y se ha cortado.")
                   .arg(activity::MaxLabelLength);
    if (losses.missingFields)
        out << ReadActivity::tr("A alguna línea le faltaban datos: se han tomado como 0.");
    if (losses.tamedNumbers)
        out << ReadActivity::tr("Algún número estaba fuera de los límites y se ha ajustado.");
    if (losses.offThePage > 0)
        out << ReadActivity::tr("%1 puntos quedan fuera de la página.").arg(losses.offThePage);
}

} // namespace

ReadActivity::Record dotRecord(const QString& line)
{
    Losses ignored;
    return recordOf(line, ignored);
}

std::optional<ReadActivity> readActivityFile(const QString& path)
{
    toolkit::TextFileReader file(path, activity::MaxFileBytes, activity::MaxLineLength);
    const auto header = activity::readHeader(file);
    if (!header)
        return std::nullopt;
    ReadActivity read;
    read.circles = activity::circlesWanted((*header)[2]);
    read.dotSize = activity::hitRadius((*header)[3]);
    read.fontSize = activity::fontSize((*header)[4]);
    Losses losses;
    // Empty lines are skipped wherever they stand, as the player does.
    while (read.records.size() < activity::MaxDots) {
        const auto line = file.readNonEmptyLine();
        if (!line)
            break;
        read.records.append(recordOf(*line, losses));
    }
    const bool moreDots = file.readNonEmptyLine().has_value();
    tellLosses(read, losses, moreDots, QFileInfo(path).size() > activity::MaxFileBytes);
    return read;
}

} // namespace editor
