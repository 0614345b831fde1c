#include "dotlist.h"

#include "shapegeometry.h"

namespace editor {

namespace {

bool isNumber(const QString& label, int* value = nullptr)
{
    bool ok = false;
    const int number = label.toInt(&ok);
    if (ok && value)
        *value = number;
    return ok;
}

// The numbered label nearest to `i` going by `step` (-1 or +1), if any.
bool neighbourNumber(const DotList& dots, int i, int step, int& value)
{
    for (int j = i + step; j >= 0 && j < int(dots.size()); j += step)
        if (isNumber(dots[size_t(j)].label, &value))
            return true;
    return false;
}

} // namespace

bool joinsBack(const DotList& dots, int i)
{
    const Dot& dot = dots[size_t(i)];
    return i > 0 && !(dot.starts && !dot.closes()) && !dots[size_t(i - 1)].closes();
}

QPointF lineStart(const DotList& dots, int i)
{
    return joinsBack(dots, i) ? dots[size_t(i - 1)].at : dots[size_t(i)].at;
}

int figureStart(const DotList& dots, int i)
{
    while (i > 0 && !dots[size_t(i)].starts && !dots[size_t(i - 1)].closes())
        --i;
    return i;
}

std::vector<int> closingsOf(const DotList& dots, int first)
{
    std::vector<int> closings;
    for (int j = first + 1; j < int(dots.size()); ++j) {
        if (dots[size_t(j)].closes()) {
            closings.push_back(j);
            break;
        }
        if (dots[size_t(j)].starts)
            break;
    }
    return closings;
}

std::vector<int> dependents(const DotList& dots, int i)
{
    std::vector<int> marks{i};
    if (i + 1 < int(dots.size()) && joinsBack(dots, i + 1))
        marks.push_back(i + 1);
    if (figureStart(dots, i) == i)
        for (int c : closingsOf(dots, i))
            if (c != i + 1)
                marks.push_back(c);
    return marks;
}

void moveDot(DotList& dots, int i, QPointF to)
{
    if (figureStart(dots, i) == i)
        for (int c : closingsOf(dots, i)) {
            dots[size_t(c)].at = to;
            dots[size_t(c)].record.clear();
        }
    dots[size_t(i)].at = to;
    dots[size_t(i)].record.clear();
}

int removeDot(DotList& dots, int i)
{
    const bool wasFirst = figureStart(dots, i) == i;
    const std::vector<int> closings = closingsOf(dots, wasFirst ? i : figureStart(dots, i));
    const Dot gone = dots[size_t(i)];
    int gap = 0, number = 0, neighbour = 0;
    if (isNumber(gone.label, &number)) {
        if (neighbourNumber(dots, i, -1, neighbour))
            gap = number - neighbour;
        else if (neighbourNumber(dots, i, +1, neighbour))
            gap = neighbour - number;
    }
    dots.erase(dots.begin() + i);
    // The figure's next dot becomes its first, and its closing goes there;
    // a figure left without a dot has nothing to close.
    if (wasFirst && !closings.empty()) {
        const int closing = closings.front() - 1;
        if (closing == i) {
            dots.erase(dots.begin() + i);
        } else {
            dots[size_t(i)].starts = gone.starts;
            dots[size_t(closing)].at = dots[size_t(i)].at;
            dots[size_t(closing)].record.clear();
        }
    } else if (wasFirst && i < int(dots.size())) {
        dots[size_t(i)].starts = gone.starts || dots[size_t(i)].starts;
    }
    if (gap != 0)
        for (size_t j = size_t(i); j < dots.size(); ++j)
            if (isNumber(dots[j].label, &number)) {
                dots[j].label = QString::number(number - gap);
                dots[j].record.clear();
            }
    return gap;
}

void NextDot::follow(const DotList& dots)
{
    if (dots.empty() || dots.back().closes()) {
        newFigure = true;
        return;
    }
    const Dot& first = dots[size_t(figureStart(dots, int(dots.size()) - 1))];
    prevX = dots.back().at.x();
    prevY = dots.back().at.y();
    firstX = first.at.x();
    firstY = roundToInt32(first.at.y());
}

} // namespace editor
