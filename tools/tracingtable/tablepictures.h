#pragma once

// The pictures the tracing table measures the automatic dots on.

#include <QImage>
#include <QList>
#include <QString>

namespace tracingtable {

struct Picture
{
    QString name;
    QImage image; // white page of the editor on a 1024 x 768 screen
    int figures;  // how many figures a person sees; 0 when not counted
};

// The OpenMoji drawings of `folder`, fitted into the page as the editor
// opens them, then the drawings this table draws itself, one per kind of
// trouble: thin lines with gaps, thick lines, grey soft lines, a filled
// silhouette, a closed line, two figures, details touching the outline, a
// speck.
QList<Picture> pictures(const QString& folder);

} // namespace tracingtable
