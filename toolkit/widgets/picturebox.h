#pragma once

#include "colour.h"
#include "parkedimage.h"
#include "twipsgeometry.h"

#include <QEventPoint>
#include <QImage>
#include <QList>
#include <QMimeData>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <variant>

namespace toolkit {

// Mouse buttons and shift keys as the classic toolkit reports them.
enum MouseButton { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftKey { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

enum ScaleModeValue { vbTwips = 1, vbPixels = 3 };

enum FillStyleValue {
    vbFSSolid = 0,
    vbFSTransparent = 1,
    vbHorizontalLine = 2,
    vbVerticalLine = 3,
    vbUpwardDiagonal = 4,
    vbDownwardDiagonal = 5,
    vbCross = 6,
    vbDiagonalCross = 7
};

// How `Line` draws: a plain line, a box outlined in the line colour with its
// interior by the fill settings (B), or a box filled with the line colour (BF).
enum class LineShape { Plain, Box, BoxFilled };

// A picture area: the drawing surface of both programs.
//
// It holds a persistent image (everything drawn while AutoRedraw is on, over
// the background colour and background picture) and a temporary layer shown
// over it (everything drawn while AutoRedraw is off). Coordinates are in the
// area's scale units: twips (ScaleMode 1, 15 to a pixel) or pixels
// (ScaleMode 3). Nothing is antialiased, so fills stop exactly at lines and
// Point reads back the colour drawn.
//
// Its code is split by concern: picturebox.cpp (the area, its scale, mouse
// pointer and events, painted on screen), picturebox_layers.cpp (the layers,
// the background, compacting) and picturebox_drawing.cpp (lines, circles,
// points, text and flood fill), which share picturebox_units.h.
class PictureBox : public QWidget, public TwipsGeometry
{
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Layers.
    bool AutoRedraw = false;
    int BackColor() const { return backColor_; }
    void setBackColor(int colour); // erases both layers, keeps the picture
    const QImage& Picture() const;
    void setPicture(const QImage& picture); // background colour + picture
    QImage Image() const;                   // the persistent image
    void Cls();
    // Copies `source`, an image of the area's size and format, over these
    // pixels of the persistent image: a part of the area brought back to
    // what lies under whatever is drawn over it.
    void copyPixels(const QImage& source, const QRegion& pixels);
    // While not empty, drawing changes only these pixels. Clipped drawing
    // gives the same pixels as unclipped drawing, inside the region.
    QRegion ClipPixels;

    // Keeps the persistent image and the background picture compressed until
    // the area is next drawn on or read: hidden areas that wait a long time
    // (the editor's other pages) then cost a few kilobytes instead of
    // megabytes. The compression runs in the background, so this returns at
    // once. Anything drawn on the temporary layer is dropped.
    void compact();
    // Brings a compacted area's pixels back on a worker thread, so that the
    // next use finds them ready.
    void prefetch();
    // The persistent image as held, never expanded: its parked copy while
    // compacted, else the image. Both are shared copies, cheap to take on the
    // UI thread and safe to read on another.
    std::variant<QImage, ParkedImage> heldImage() const;

    // The mouse pointer over the area: a custom icon with its hot spot.
    void setMouseIcon(const QImage& icon, QPoint hotSpot);

    // Scale.
    int ScaleMode = vbTwips;
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Pen, brush and text.
    int ForeColor = vbBlack;
    int FillColor = vbBlack;
    int FillStyle = vbFSTransparent;
    int DrawWidth = 1; // pixels
    QString FontName = QStringLiteral("Arial");
    double FontSize = 8.25; // points
    bool FontBold = false;
    bool FontItalic = false;
    double CurrentX = 0;
    double CurrentY = 0;

    // Drawing, in scale units. Without a colour, lines use ForeColor.
    void Line(double x1, double y1, double x2, double y2, std::optional<int> colour = {},
              LineShape shape = LineShape::Plain);
    // Angles in radians counterclockwise from +x; a negative angle also
    // draws the radius to it (a pie). Aspect is vertical over horizontal
    // extent and the radius is along the longer axis.
    void Circle(double x, double y, double radius, std::optional<int> colour = {},
                std::optional<double> start = {}, std::optional<double> end = {},
                double aspect = 1.0);
    void PSet(double x, double y, std::optional<int> colour = {});
    // One PSet at every multiple of `step` from 0 up to `right` across and
    // `bottom` down, in one pass over the pixels: a dense dot grid over a
    // large area would otherwise take a painter for each of its dots.
    void PSetGrid(double step, double right, double bottom, std::optional<int> colour = {});
    int Point(double x, double y) const; // -1 outside the area
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // The surface flood fill of ExtFloodFill(hDC, x, y, colour, 1), in pixels
    // whatever the scale: paints with the area's brush (FillColor by
    // FillStyle) every 4-connected pixel of exactly `colour` reached from
    // (x, y), on the persistent image while AutoRedraw is on.
    void FloodFill(int x, int y, int colour);

    // Events, in scale units.
    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int button, int shift, float x, float y)> onMouseUp;
    std::function<void()> onClick;
    // A double-click arrives as MouseDown, MouseUp, Click, DblClick, MouseUp:
    // its second press is no MouseDown, and its release makes no Click.
    std::function<void()> onDblClick;
    // Files or a picture dropped on the area; setting it makes the area
    // take drops.
    void setOnDrop(std::function<void(const QMimeData&)> drop);

    // Delivers mouse events as the platform would, with positions in pixels.
    // Tests use these; real events come through the Qt handlers below.
    void mouseDownAtPixel(int button, int shift, int x, int y);
    void mouseMoveAtPixel(int buttons, int shift, int x, int y);
    void mouseUpAtPixel(int button, int shift, int x, int y);
    void mouseDoubleClickAtPixel(); // the second press of a double-click

    // Takes the screen's touches, one finger playing at a time as the left
    // button: it goes down as MouseDown, moves as MouseMove with the button
    // held and lifts as MouseUp, and no mouse event is made of it besides.
    // A finger that lands while another is down never plays, and neither
    // does a contact wider than `palmPixels` (where the platform reports
    // widths): a palm is left out as if it were not there, so a hand
    // resting on a whiteboard does not stop the finger that plays. Two
    // quick taps on one spot make a double-click, as the mouse's two clicks.
    void acceptTouches(double palmPixels);
    // Delivers one touch point as the platform would, at a pixel, with the
    // width of its contact in pixels (0 where unknown) and its time in
    // milliseconds. Real touches come through event(); tests use this for
    // widths and times QTest cannot give.
    void touchAtPixel(int id, QEventPoint::State state, int x, int y, double width = 0,
                      quint64 milliseconds = 0);

    // What is shown on screen: persistent image with the temporary layer.
    QImage screenImage() const;

protected:
    bool event(QEvent* event) override;
    void sizeChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::function<void(const QMimeData&)> onDrop_;
    class Painter;
    QImage& target(); // the layer that drawing goes to
    // Brings back what compact() stored; every use of the layers comes here first.
    void expand() const;
    void drawn(const QRegion& pixels); // pixels of target() that changed
    void clearTemporary();
    // The persistent image as the background colour and picture alone.
    void showBackground();
    void parkBackground();
    const QImage& background() const; // the picture, brought back when parked
    void invalidate(const QRegion& pixels);

    int backColor_ = vbWhite;
    mutable QImage picture_;
    mutable QImage persistent_;
    mutable ParkedImage parkedPicture_;
    mutable ParkedImage parkedPersistent_;
    mutable bool compacted_ = false;
    bool pictureIsImage_ = false;        // compacted while showing just its picture
    mutable bool pictureParked_ = false; // the picture waits in parkedPicture_
    QImage temporary_;      // made when first drawn on; transparent where nothing is drawn
    QRegion temporaryUsed_; // a few rectangles along what was drawn
    int pressedButton_ = 0; // for Click: the button that went down inside

    // Mouse events a touch screen made of a finger the area reads as touches.
    bool fromTouch(const QMouseEvent& event) const;
    // Lifts the finger that plays, where it was last: the platform took
    // the touches away.
    void cancelTouches();
    double palmPixels_ = 0;
    QList<int> fingersDown_; // ids of the fingers on the area, palms left out
    int playingFinger_ = -1; // the id of the one that plays; -1 for none
    QPoint playingAt_;       // where it was last, in pixels
    // Where and when the last finger that played went down, until a second
    // tap makes a double-click of it.
    struct Tap
    {
        QPoint at;
        quint64 milliseconds;
    };
    std::optional<Tap> firstTap_;
    bool secondTap(QPoint at, quint64 milliseconds) const;
};

} // namespace toolkit
