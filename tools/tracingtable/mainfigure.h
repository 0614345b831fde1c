#pragma once
// A picture of many figures is no single figure to join: a child joins the
// dots round its main figure and finds the others already drawn.

#include "drawing.h"

namespace tracingtable {

// With many figures in `d`, its measures held to the main one: the largest
// that keeps clear of the picture's border, the nearest the middle of
// about equal ones. The others' outlines are then to be seen as drawn.
void holdToMainFigure(Drawing& d);

} // namespace tracingtable
