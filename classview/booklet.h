#pragma once

#include "drawingshelf.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

class QPagedPaintDevice;

namespace classview {

// The date a drawing was saved on, in the long form of the program's
// language: what is printed under it.
QString captionOf(const Drawing& drawing);

// A booklet of a child's drawings for the family: a first page with the
// child's name and `periodText` under it, then each of `drawings` that can
// be read, one a page, fitted to it and its date under it. Drawings that
// cannot be read are passed over and told in `problems`. Nothing at all is
// painted unless one of them can be read. False when none could, or the
// painting failed. The drawings are read one at a time as they are painted:
// on a share that may hang, call it off the window's thread.
bool paintBooklet(QPagedPaintDevice& device, const QString& childName, const QString& periodText,
                  const QList<Drawing>& drawings, QStringList* problems);

// `image` large on one page with `caption` under it, as for printing one
// drawing (inside toolkit::Platform::printPages). False for a null image or
// when the painting failed.
bool paintDrawing(QPagedPaintDevice& device, const QImage& image, const QString& caption);

// The booklet of paintBooklet() as an A4 PDF at `path`, written whole or
// not at all: nothing is left at `path` (and an earlier file of that name
// stays as it was) when no drawing could be read or the file could not be
// written, which `problems` then tells, nor when `stop` is set before it is
// whole (it is looked at between drawings and just before the file is put
// in place; a stop is not told).
bool writeBookletPdf(const QString& path, const QString& childName, const QString& periodText,
                     const QList<Drawing>& drawings, QStringList* problems,
                     const std::atomic_bool* stop = nullptr);

} // namespace classview
