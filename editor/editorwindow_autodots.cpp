// "Puntos automáticos": the figures of the page's drawing are traced and
// their outlines get the numbered dots a person would click, one figure
// after another, each closed.

#include "editorwindow.h"

#include "activitypicture.h"
#include "textfiles.h"
#include "tracing/tracing.h"
#include "twips.h"

#include <algorithm>

namespace editor {

namespace {

constexpr int Gap = 100; // twips between the dot list and these controls

} // namespace

void EditorWindow::createAutoDots()
{
    autoDotsButton = new toolkit::CommandButton(this);
    name(autoDotsButton, "autoDotsButton");
    autoDotsButton->setCaption(tr("Puntos automáticos"));
    autoDotsButton->setBackColor(toolkit::vbWhite);
    autoDotsButton->setToolTipText(
        tr("Pone los puntos solos a lo largo del contorno de cada figura de la página"));
    autoDotsButton->onClick = [this] { placeDotsAutomatically(); };
    autoDotsCount = new QSpinBox(this);
    name(autoDotsCount, "autoDotsCount");
    autoDotsCount->setRange(3, 150);
    autoDotsCount->setValue(20);
    autoDotsCount->setToolTip(tr("Cuántos puntos automáticos"));
    showDrawingCheck = new toolkit::CheckBox(this);
    name(showDrawingCheck, "showDrawingCheck");
    showDrawingCheck->setText(tr("El niño ve el dibujo"));
    showDrawingCheck->setToolTip(
        tr("La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos"));
    eraseOutlineCheck = new toolkit::CheckBox(this);
    name(eraseOutlineCheck, "eraseOutlineCheck");
    eraseOutlineCheck->setText(tr("Borrar el contorno"));
    eraseOutlineCheck->setToolTip(
        tr("Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los "
           "puntos. Un dibujo en color queda en líneas, para colorear; sin marcar, queda como "
           "era, en color"));
    eraseOutlineCheck->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{autoDotsButton, autoDotsCount,
                                                            showDrawingCheck, eraseOutlineCheck})
        control->hide();
}

// After the dot list; on a screen too narrow for that (800 x 600), at the
// right edge just above it.
void EditorWindow::placeAutoDots()
{
    const int height = dotListBox->height();
    const int countWidth = autoDotsCount->sizeHint().width();
    const int buttonWidth =
        autoDotsButton->fontMetrics().horizontalAdvance(autoDotsButton->text()) + 16;
    const int showWidth = showDrawingCheck->sizeHint().width();
    const int eraseWidth = eraseOutlineCheck->sizeHint().width();
    const int width = countWidth + 6 + buttonWidth + 8 + showWidth + 8 + eraseWidth;
    QPoint at((dotListBox->Left() + dotListBox->Width() + Gap) / toolkit::TwipsPerPixel,
              dotListBox->Top() / toolkit::TwipsPerPixel);
    const int screen = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    if (at.x() + width > screen)
        at = QPoint(screen - width - 4, at.y() - height - 4);
    autoDotsCount->setGeometry(at.x(), at.y(), countWidth, height);
    const int pixel = toolkit::TwipsPerPixel;
    int x = at.x() + countWidth + 6;
    autoDotsButton->Move(x * pixel, at.y() * pixel, buttonWidth * pixel, height * pixel);
    x += buttonWidth + 8;
    showDrawingCheck->Move(x * pixel, at.y() * pixel, showWidth * pixel, height * pixel);
    x += showWidth + 8;
    eraseOutlineCheck->Move(x * pixel, at.y() * pixel, eraseWidth * pixel, height * pixel);
}

QByteArray EditorWindow::activityPicture() const
{
    if (!showDrawingCheck->isChecked())
        return {};
    const QSize screen(platform_.screenWidthTwips() / platform_.twipsPerPixelX(),
                       platform_.screenHeightTwips() / platform_.twipsPerPixelY());
    return toolkit::activityPictureBytes(pages(currentPage_).Image(), screen);
}

void EditorWindow::placeDotsAutomatically(FigureChoice chosen)
{
    const QImage drawing = page().Image();
    const QList<Outline> outlines = traceFigures(drawing, chosen);
    if (outlines.isEmpty()) {
        tell(tr("La página no tiene ninguna figura: dibújala o abre una imagen."));
        return;
    }
    // Each figure takes its dots and a closing; what the player reads is the limit.
    const int count =
        dotsThatFit(autoDotsCount->value(), int(outlines.size()), MaxDotEntries - dotEntryCount);
    if (count < 3) {
        tell(tr("Una actividad admite como mucho %1 puntos, contando los cierres. "
                "Guarda esta actividad y empieza otra.")
                 .arg(MaxDotEntries));
        return;
    }
    pushUndoSnapshot();
    rememberDotStep();
    // The child joins the outline; the details inside are the child's to see.
    if (eraseOutlineCheck->isChecked())
        page().setPicture(withoutOutline(drawing, chosen));
    showDrawingCheck->setChecked(true);
    const DotLabels labels = dotLabels();
    for (const QList<QPointF>& figure : dotsAlong(outlines, count)) {
        for (qsizetype i = 0; i < figure.size(); ++i) {
            addDot({labels.label(next_.number),
                    figure[i] * toolkit::TwipsPerPixel,
                    currentColour(),
                    currentPage_,
                    settings_.dotSize(),
                    canvas->FontSize,
                    i == 0,
                    {}});
            next_.number += labels.step;
        }
        addDot({QString(),
                figure.first() * toolkit::TwipsPerPixel,
                currentColour(),
                currentPage_,
                settings_.dotSize(),
                canvas->FontSize,
                false,
                {}});
    }
    next_.newFigure = true;
    showPage();
    workChanged();
    sceneDots_ = {};
    if (!chosen && !mainFigure(drawing))
        return;
    sceneDots_ = {currentPage_, drawing, outlines.first().points.first(), dots_.size()};
    if (!chosen)
        tell(tr("El dibujo es una escena: los puntos rodean la figura principal. "
                "Para ponerlos en otra figura, haz clic en ella."));
}

bool EditorWindow::picksAnotherFigure(float X, float Y) const
{
    if (sceneDots_.page != currentPage_ || dots_.size() != sceneDots_.dots)
        return false;
    const QPointF at(X / platform_.twipsPerPixelX(), Y / platform_.twipsPerPixelY());
    const QList<Outline> there = traceFigures(sceneDots_.drawing, at);
    return !there.isEmpty() && there.first().points.first() != sceneDots_.top;
}

} // namespace editor
