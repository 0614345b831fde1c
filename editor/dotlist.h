#pragma once

#include <QPointF>
#include <QString>
#include <vector>

namespace editor {

// One entry of the activity's dot list as the editor shows it: a numbered
// dot, or the closing of a figure back to its first dot.
struct Dot
{
    QString label; // empty: the entry closes its figure
    QPointF at;    // canvas twips; a closing entry sits on its figure's first dot
    int colour = 0;
    int page = 0;         // shown on this page only, where it was placed
    int radius = 250;     // of its circle, twips
    double fontSize = 18; // of its label, points
    bool starts = false;  // no line joins it to the entry before
    QString record;       // the entry as the activity file holds it; empty
                          // once changed here, until the window writes it anew

    bool closes() const { return label.isEmpty(); }
};

using DotList = std::vector<Dot>;

// Where the dot tool's next dot goes on from: its number, whether it starts
// a figure, the dot before it and the first dot of its figure (canvas twips).
struct NextDot
{
    int number = 0;
    bool newFigure = false;
    double prevX = 0, prevY = 0, firstX = 0;
    int firstY = 0;

    // Continues the list's last figure when it is still open, else starts
    // a new one.
    void follow(const DotList& dots);
};

// Whether a line joins entry `i` to the entry before it.
bool joinsBack(const DotList& dots, int i);
// Where the line to entry `i` comes from: the entry before it, or the entry
// itself (a lone point) when it starts a figure.
QPointF lineStart(const DotList& dots, int i);
// The first entry of the figure entry `i` belongs to.
int figureStart(const DotList& dots, int i);
// The closing entries of the figure that starts at `first`.
std::vector<int> closingsOf(const DotList& dots, int first);

// The entries whose marks (line, circle, label) depend on where dot `i` is.
std::vector<int> dependents(const DotList& dots, int i);

// Moves dot `i` to `to`; the closing of its figure follows its first dot.
void moveDot(DotList& dots, int i, QPointF to);

// Takes dot `i` out: the lines close over the gap, a figure left without a
// dot loses its closing, and the numbers after it close up by the gap it
// left so that they still go on by the step. Labels that are not numbers
// keep their text. Returns how much the numbers went down (0 when none did).
int removeDot(DotList& dots, int i);

} // namespace editor
