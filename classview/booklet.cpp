#include "booklet.h"

#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace classview {

namespace {

constexpr int TitlePoints = 28;
constexpr int PeriodPoints = 16;
constexpr int CaptionPoints = 14;

// The booklet's texts, under a name of their own in the translations.
struct Booklet
{
    Q_DECLARE_TR_FUNCTIONS(classview::Booklet)
};

QFont fontOf(int points, bool bold = false)
{
    QFont font;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QRect pageOf(const QPagedPaintDevice& device)
{
    return QRect(0, 0, device.width(), device.height());
}

void paintCover(QPainter& painter, const QRect& page, const QString& childName,
                const QString& periodText)
{
    // The name a third of the way down, the period under it.
    const QRect upper(page.left(), page.top(), page.width(), page.height() / 3);
    painter.setFont(fontOf(TitlePoints, true));
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                     Booklet::tr("Los dibujos de %1").arg(childName));
    const QRect under(page.left(), upper.bottom() + painter.fontMetrics().height(), page.width(),
                      page.height() / 3);
    painter.setFont(fontOf(PeriodPoints));
    painter.drawText(under, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, periodText);
}

// The image as large as the page holds it over two lines of caption,
// centred, the caption right under it.
void paintPicture(QPainter& painter, const QRect& page, const QImage& image, const QString& caption)
{
    painter.setFont(fontOf(CaptionPoints));
    const int captionHeight = 2 * painter.fontMetrics().height();
    const QSize room(page.width(), page.height() - captionHeight);
    const QSize size = image.size().scaled(room, Qt::KeepAspectRatio);
    const QRect placed(page.left() + (room.width() - size.width()) / 2,
                       page.top() + (room.height() - size.height()) / 2, size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placed, image);
    painter.drawText(QRect(page.left(), placed.bottom() + 1, page.width(), captionHeight),
                     Qt::AlignCenter, caption);
}

// The next drawing from `next` on that can be read, `next` left after it;
// those that cannot are told.
QImage nextReadable(const QList<Drawing>& drawings, qsizetype& next, QStringList* problems)
{
    while (next < drawings.size()) {
        QString problem;
        const QImage image = loadDrawing(drawings[next++].path, &problem);
        if (!image.isNull())
            return image;
        if (problems)
            *problems << QStringLiteral("%1: %2").arg(
                QDir::toNativeSeparators(drawings[next - 1].path), problem);
    }
    return {};
}

enum class Painted { Whole, NothingReadable, Failed, Stopped };

Painted paint(QPagedPaintDevice& device, const QString& childName, const QString& periodText,
              const QList<Drawing>& drawings, QStringList* problems,
              const std::atomic_bool* stop = nullptr)
{
    const auto stopped = [stop] { return stop && *stop; };
    // The first drawing is read before the cover is painted: a printer
    // given a cover and nothing else would waste the family's paper.
    qsizetype next = 0;
    QImage image = nextReadable(drawings, next, problems);
    if (stopped())
        return Painted::Stopped;
    if (image.isNull()) {
        if (problems)
            *problems << Booklet::tr("Ningún dibujo se puede leer");
        return Painted::NothingReadable;
    }
    QPainter painter;
    if (!painter.begin(&device))
        return Painted::Failed;
    paintCover(painter, pageOf(device), childName, periodText);
    // One drawing in memory at a time, however many the child saved.
    for (; !image.isNull(); image = nextReadable(drawings, next, problems)) {
        if (stopped()) {
            painter.end();
            return Painted::Stopped;
        }
        if (!device.newPage()) {
            painter.end();
            return Painted::Failed;
        }
        paintPicture(painter, pageOf(device), image, captionOf(drawings[next - 1]));
    }
    return painter.end() ? Painted::Whole : Painted::Failed;
}

} // namespace

QString captionOf(const Drawing& drawing)
{
    return QLocale(toolkit::languageInUse()).toString(drawing.saved.date(), QLocale::LongFormat);
}

bool paintBooklet(QPagedPaintDevice& device, const QString& childName, const QString& periodText,
                  const QList<Drawing>& drawings, QStringList* problems)
{
    return paint(device, childName, periodText, drawings, problems) == Painted::Whole;
}

bool paintDrawing(QPagedPaintDevice& device, const QImage& image, const QString& caption)
{
    QPainter painter;
    if (image.isNull() || !painter.begin(&device))
        return false;
    paintPicture(painter, pageOf(device), image, caption);
    return painter.end();
}

bool writeBookletPdf(const QString& path, const QString& childName, const QString& periodText,
                     const QList<Drawing>& drawings, QStringList* problems,
                     const std::atomic_bool* stop)
{
    // Written beside its name and renamed into place once whole: a full
    // disk or a failed drawing never leaves half a booklet.
    QSaveFile file(path);
    Painted painted = Painted::Failed;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Lunipo"));
        writer.setTitle(Booklet::tr("Los dibujos de %1").arg(childName));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        painted = paint(writer, childName, periodText, drawings, problems, stop);
    }
    if (painted == Painted::Whole && !(stop && *stop) && file.commit())
        return true;
    file.cancelWriting();
    if (problems && painted != Painted::NothingReadable && painted != Painted::Stopped)
        *problems << Booklet::tr("No se puede escribir %1").arg(QDir::toNativeSeparators(path));
    return false;
}

} // namespace classview
