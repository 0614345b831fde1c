// "Puntos automáticos": the figures of the page's drawing are traced and
// their outlines get the numbered dots a person would click, one figure
// after another, each closed.

#include "editorwindow.h"

#include "activitypicture.h"
#include "textfiles.h"
#include "tracing.h"
#include "twips.h"

#include <algorithm>

namespace editor {

namespace {

constexpr int Gap = 100; // twips between the dot list and these controls

} // namespace

void EditorWindow::createAutoDots()
{
    AutoDotsButton = new toolkit::CommandButton(this);
    AutoDotsButton->setCaption(tr("Puntos automáticos"));
    AutoDotsButton->setBackColor(toolkit::vbWhite);
    AutoDotsButton->setToolTipText(
        tr("Pone los puntos solos a lo largo del contorno de cada figura de la página"));
    AutoDotsButton->onClick = [this] { AutoDotsButton_Click(); };
    AutoDotsCount = new QSpinBox(this);
    AutoDotsCount->setRange(3, 150);
    AutoDotsCount->setValue(20);
    AutoDotsCount->setToolTip(tr("Cuántos puntos automáticos"));
    ShowDrawingCheck = new toolkit::CheckBox(this);
    ShowDrawingCheck->setText(tr("El niño ve el dibujo"));
    ShowDrawingCheck->setToolTip(
        tr("La actividad lleva el dibujo de la página, y el niño lo ve debajo de los puntos"));
    EraseOutlineCheck = new toolkit::CheckBox(this);
    EraseOutlineCheck->setText(tr("Borrar el contorno"));
    EraseOutlineCheck->setToolTip(
        tr("Los puntos automáticos borran el contorno del dibujo: el niño lo dibuja uniendo los "
           "puntos"));
    EraseOutlineCheck->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{AutoDotsButton, AutoDotsCount,
                                                            ShowDrawingCheck, EraseOutlineCheck})
        control->hide();
}

// After the dot list; on a screen too narrow for that (800 x 600), at the
// right edge just above it.
void EditorWindow::placeAutoDots()
{
    const int height = Combo5->height();
    const int countWidth = AutoDotsCount->sizeHint().width();
    const int buttonWidth =
        AutoDotsButton->fontMetrics().horizontalAdvance(AutoDotsButton->text()) + 16;
    const int showWidth = ShowDrawingCheck->sizeHint().width();
    const int eraseWidth = EraseOutlineCheck->sizeHint().width();
    const int width = countWidth + 6 + buttonWidth + 8 + showWidth + 8 + eraseWidth;
    QPoint at((Combo5->Left() + Combo5->Width() + Gap) / toolkit::TwipsPerPixel,
              Combo5->Top() / toolkit::TwipsPerPixel);
    const int screen = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    if (at.x() + width > screen)
        at = QPoint(screen - width - 4, at.y() - height - 4);
    AutoDotsCount->setGeometry(at.x(), at.y(), countWidth, height);
    const int pixel = toolkit::TwipsPerPixel;
    int x = at.x() + countWidth + 6;
    AutoDotsButton->Move(x * pixel, at.y() * pixel, buttonWidth * pixel, height * pixel);
    x += buttonWidth + 8;
    ShowDrawingCheck->Move(x * pixel, at.y() * pixel, showWidth * pixel, height * pixel);
    x += showWidth + 8;
    EraseOutlineCheck->Move(x * pixel, at.y() * pixel, eraseWidth * pixel, height * pixel);
}

QByteArray EditorWindow::activityPicture() const
{
    if (!ShowDrawingCheck->isChecked())
        return {};
    const QSize screen(platform_.screenWidthTwips() / platform_.twipsPerPixelX(),
                       platform_.screenHeightTwips() / platform_.twipsPerPixelY());
    return toolkit::activityPictureBytes(Picture2(currentPage).Image(), screen);
}

void EditorWindow::AutoDotsButton_Click()
{
    const QList<Outline> outlines = traceFigures(page().Image());
    if (outlines.isEmpty()) {
        tell(tr("La página no tiene ninguna figura: dibújala o abre una imagen."));
        return;
    }
    // Each figure takes its dots and a closing; what the player reads is the limit.
    const int count =
        dotsThatFit(AutoDotsCount->value(), int(outlines.size()), MaxDotEntries - dotEntryCount);
    if (count < 3) {
        tell(tr("Una actividad admite como mucho %1 puntos, contando los cierres. "
                "Guarda esta actividad y empieza otra.")
                 .arg(MaxDotEntries));
        return;
    }
    pushUndoSnapshot();
    rememberDotStep();
    // The child joins the outline; the details inside are the child's to see.
    if (EraseOutlineCheck->isChecked())
        page().setPicture(withoutOutline(page().Image()));
    ShowDrawingCheck->setChecked(true);
    const DotLabels labels = dotLabels();
    for (const QList<QPointF>& figure : dotsAlong(outlines, count)) {
        for (qsizetype i = 0; i < figure.size(); ++i) {
            addDot({labels.label(dotNumber),
                    figure[i] * toolkit::TwipsPerPixel,
                    currentColour(),
                    currentPage,
                    dotSize,
                    Picture1->FontSize,
                    i == 0,
                    {}});
            dotNumber += labels.step;
        }
        addDot({QString(),
                figure.first() * toolkit::TwipsPerPixel,
                currentColour(),
                currentPage,
                dotSize,
                Picture1->FontSize,
                false,
                {}});
    }
    newFigure = true;
    showPage();
    workChanged();
}

} // namespace editor
