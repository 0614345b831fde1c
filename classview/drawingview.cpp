#include "drawingview.h"

#include "booklet.h"
#include "platform.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace classview {

DrawingView::DrawingView(toolkit::Platform& platform, QImage image, QString caption,
                         QWidget* parent)
    : QDialog(parent), platform_(platform), image_(std::move(image)), caption_(std::move(caption))
{
    setWindowTitle(caption_);
    setObjectName(QStringLiteral("drawingView"));
    // As large as fits in most of the screen, in whole pixels: a child's
    // drawing is made of them.
    const QSize room = screen() ? screen()->availableSize() * 0.8 : QSize(800, 600);
    const int times = qMax(
        1, qMin(room.width() / qMax(1, image_.width()), room.height() / qMax(1, image_.height())));
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picture"));
    QImage shown = image_;
    if (times > 1)
        shown = image_.scaled(image_.size() * times, Qt::KeepAspectRatio, Qt::FastTransformation);
    else if (!QRect(QPoint(), room).contains(QRect(QPoint(), image_.size())))
        shown = image_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture->setPixmap(QPixmap::fromImage(shown));
    picture->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* printButton = buttons->addButton(tr("Imprimir"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("printButton"));
    connect(printButton, &QPushButton::clicked, this, &DrawingView::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 1);
    layout->addWidget(buttons);
}

bool DrawingView::print()
{
    return platform_.printPages(caption_, [this](QPagedPaintDevice& device) {
        return paintDrawing(device, image_, caption_);
    });
}

} // namespace classview
