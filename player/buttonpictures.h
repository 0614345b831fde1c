#pragma once

#include <QImage>
#include <QString>

namespace player {

// Resource paths of the button pictures.
namespace pictures {
inline const QString forward = QStringLiteral(":/assets/player/forward.svg");
inline const QString back = QStringLiteral(":/assets/player/back.svg");
inline const QString numbers = QStringLiteral(":/assets/player/numbers.svg");
inline const QString exit = QStringLiteral(":/assets/player/exit.svg");
inline const QString titleCard = QStringLiteral(":/assets/player/titlecard.svg");
// The tool buttons, by index: fill, straight line, free pen, undo, earlier
// drawings, copy, save, open the drawings folder.
inline const QString tools[8] = {
    QStringLiteral(":/assets/player/fill.svg"),    QStringLiteral(":/assets/player/line.svg"),
    QStringLiteral(":/assets/player/pen.svg"),     QStringLiteral(":/assets/player/undo.svg"),
    QStringLiteral(":/assets/player/gallery.svg"), QStringLiteral(":/assets/player/copy.svg"),
    QStringLiteral(":/assets/player/save.svg"),    QStringLiteral(":/assets/player/folder.svg")};
} // namespace pictures

// The picture of line-width button `index` (0..9): a black dot that grows
// with the width it stands for.
QImage widthDot(int index);

// The numbers button's picture with a small gold star in its corner: the
// activity shown was finished before.
QImage numbersWithStar();

// An SVG picture rendered at exactly `size` pixels.
QImage renderPicture(const QString& path, QSize size);

} // namespace player
