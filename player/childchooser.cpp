#include "childchooser.h"

#include "childpictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace player {

using toolkit::ClassList;

namespace {

constexpr int Gap = 24;    // pixels between pictures and round the screen
constexpr int Padding = 8; // inside a picture's card
// A picture is never larger than this share of the screen's height: three
// children on a whiteboard still see three pictures side by side.
constexpr double LargestShare = 0.36;
const QColor Background(128, 128, 255);
const QColor Marked(255, 200, 0);

// The coloured square of a child without a picture, the same colour every time.
QColor placeholderColour(const QString& key)
{
    return QColor::fromHsv(int(qHash(key) % 360), 140, 220);
}

} // namespace

ChildChooser::ChildChooser(QList<ClassList::Child> children, double pixelsPerMillimetre,
                           QWidget* parent)
    : QWidget(parent), children_(std::move(children)), perMillimetre_(pixelsPerMillimetre)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ChildChooser::reset()
{
    page_ = 0;
    marked_ = -1;
    pressed_ = -1;
    layOut();
    update();
}

int ChildChooser::pages() const
{
    const int each = columns_ * rows_;
    return std::max(1, int((children_.size() + each - 1) / each));
}

// The largest pictures that show the whole group at once, or, when even the
// smallest do not, pages of the smallest with room for the arrows.
void ChildChooser::layOut()
{
    const int smallest = int(std::ceil(SmallestMillimetres * perMillimetre_));
    const int largest = std::max(smallest, int(height() * LargestShare));
    const auto fit = [&](int side, int reserved) {
        const int name = std::max(12, side / 6);
        columns_ = std::max(1, (width() - reserved - Gap) / (side + Gap));
        rows_ = std::max(1, (height() - Gap) / (side + name + Gap));
        side_ = side;
        nameHeight_ = name;
    };
    int side = largest;
    for (fit(side, 0); side > smallest && columns_ * rows_ < children_.size(); fit(side, 0))
        side = std::max(smallest, side * 9 / 10);
    const bool paged = columns_ * rows_ < children_.size();
    if (paged)
        fit(smallest, 2 * (smallest + Gap));
    const int shown = paged ? columns_ * rows_ : int(children_.size());
    const int usedColumns = std::min(columns_, std::max(1, shown));
    const int usedRows = std::max(1, (shown + columns_ - 1) / columns_);
    origin_ = QPoint((width() - usedColumns * (side_ + Gap) + Gap) / 2,
                     (height() - usedRows * (side_ + nameHeight_ + Gap) + Gap) / 2);
    page_ = std::min(page_, pages() - 1);
    pictures_.clear();
}

QRect ChildChooser::tileOf(int index) const
{
    const int each = columns_ * rows_;
    if (index < 0 || index >= children_.size() || index / each != page_)
        return {};
    const int place = index % each;
    return {origin_.x() + place % columns_ * (side_ + Gap),
            origin_.y() + place / columns_ * (side_ + nameHeight_ + Gap), side_,
            side_ + nameHeight_};
}

QRect ChildChooser::arrowRect(Arrow arrow) const
{
    if (pages() < 2 || arrow == Arrow::None)
        return {};
    const int side = side_;
    const int top = (height() - side) / 2;
    return arrow == Arrow::Back ? QRect(Gap, top, side, side)
                                : QRect(width() - Gap - side, top, side, side);
}

int ChildChooser::childAt(QPoint point, Arrow* arrow) const
{
    if (arrow)
        *arrow = arrowRect(Arrow::Back).contains(point)      ? Arrow::Back
                 : arrowRect(Arrow::Forward).contains(point) ? Arrow::Forward
                                                             : Arrow::None;
    const int each = columns_ * rows_;
    for (int i = page_ * each; i < std::min<qsizetype>(children_.size(), (page_ + 1) * each); ++i)
        if (tileOf(i).contains(point))
            return i;
    return -1;
}

QImage ChildChooser::pictureOf(const ClassList::Child& child)
{
    const int inner = side_ - 2 * Padding;
    if (auto found = pictures_.constFind(child.picture); found != pictures_.cend())
        return *found;
    QImage image = toolkit::childpictures::picture(child.picture, inner);
    if (image.isNull()) { // not one of the set: the initial on a square
        image = QImage(inner, inner, QImage::Format_ARGB32_Premultiplied);
        image.fill(placeholderColour(child.key));
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(std::max(1, inner * 2 / 3));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignCenter, child.name.left(1).toUpper());
        return image; // kept by nobody: two may share no picture name
    }
    pictures_.insert(child.picture, image);
    return image;
}

void ChildChooser::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Background);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, nameHeight_ * 3 / 4));
    painter.setFont(font);
    const int each = columns_ * rows_;
    for (int i = page_ * each; i < std::min<qsizetype>(children_.size(), (page_ + 1) * each); ++i) {
        const QRect tile = tileOf(i);
        painter.setPen(i == marked_ ? QPen(Marked, 8) : Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(tile, Padding * 2, Padding * 2);
        painter.drawImage(tile.topLeft() + QPoint(Padding, Padding), pictureOf(children_[i]));
        painter.setPen(Qt::black);
        const QRect nameLine(tile.left() + Padding, tile.top() + side_, side_ - 2 * Padding,
                             nameHeight_ - Padding / 2);
        painter.drawText(
            nameLine, Qt::AlignCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(children_[i].name, Qt::ElideRight, nameLine.width()));
    }
    for (const Arrow arrow : {Arrow::Back, Arrow::Forward}) {
        const QRect box = arrowRect(arrow);
        if (box.isEmpty())
            continue;
        const bool back = arrow == Arrow::Back;
        const QPointF tip(back ? box.left() : box.right(), box.center().y());
        const QPointF heel(back ? box.right() : box.left(), 0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(
            QPolygonF{tip, {heel.x(), double(box.top())}, {heel.x(), double(box.bottom())}});
    }
}

void ChildChooser::resizeEvent(QResizeEvent*)
{
    layOut();
}

void ChildChooser::mousePressEvent(QMouseEvent* event)
{
    pressed_ = childAt(event->position().toPoint(), &pressedArrow_);
}

// A tap is a press and a release on the same picture: a hand sliding over
// the board chooses nobody.
void ChildChooser::mouseReleaseEvent(QMouseEvent* event)
{
    Arrow arrow = Arrow::None;
    const int released = childAt(event->position().toPoint(), &arrow);
    if (arrow != Arrow::None && arrow == pressedArrow_)
        turnPage(arrow == Arrow::Back ? -1 : +1);
    else if (released >= 0 && released == pressed_)
        choose(released);
    pressed_ = -1;
    pressedArrow_ = Arrow::None;
}

void ChildChooser::turnPage(int by)
{
    page_ = (page_ + by + pages()) % pages();
    marked_ = -1;
    pictures_.clear();
    update();
}

void ChildChooser::mark(int index)
{
    if (children_.isEmpty())
        return;
    marked_ = int((index + children_.size()) % children_.size());
    const int page = marked_ / (columns_ * rows_);
    if (page != page_)
        pictures_.clear();
    page_ = page;
    update();
}

void ChildChooser::choose(int index)
{
    if (onChosen && index >= 0 && index < children_.size())
        onChosen(children_[index]);
}

bool ChildChooser::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            mark(marked_ < 0 ? 0 : marked_ + (key == Qt::Key_Tab ? 1 : -1));
            return true;
        }
    }
    return QWidget::event(event);
}

void ChildChooser::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    // A switch held down repeats its key: it is still one press.
    if (press && event->isAutoRepeat())
        return;
    const int from = std::max(0, marked_);
    if (press && marked_ >= 0)
        choose(marked_);
    else if (press)
        mark(0);
    else if (key == Qt::Key_Right || key == Qt::Key_Left)
        mark(marked_ < 0 ? 0 : from + (key == Qt::Key_Right ? 1 : -1));
    else if (key == Qt::Key_Down || key == Qt::Key_Up)
        mark(marked_ < 0 ? 0
                         : std::clamp(from + (key == Qt::Key_Down ? columns_ : -columns_), 0,
                                      int(children_.size()) - 1));
    else
        QWidget::keyPressEvent(event);
}

} // namespace player
