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
    // The figure the dots must go round, alone, in clean dark strokes on
    // the same page, where the picture does not show it plainly (a scene,
    // a photograph); null otherwise.
    QImage clean = {};
    // The figure filled black, where the picture's strokes are too bold to
    // tell where the figure ends by closing them (the gap between two legs).
    QImage silhouette = {};
};

// The pictures of `folder` (SVG, PNG, JPEG), fitted into the page as the
// editor opens them, each with its clean figure where the folder holds it
// beside the picture (NAME-figura.png, NAME-limpio.png) or its silhouette
// (NAME-silueta.png). After the OpenMoji
// drawings of tests/data/openmoji come the drawings this table draws itself,
// one per kind of trouble: thin lines with gaps, thick lines, grey soft
// lines, a filled silhouette, a closed line, two figures, details touching
// the outline, a speck.
QList<Picture> pictures(const QString& folder);

} // namespace tracingtable
