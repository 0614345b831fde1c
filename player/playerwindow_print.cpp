// Printing the activity shown as a paper worksheet.

#include "playerwindow.h"

#include "worksheet.h"

namespace player {

// A key rather than a button: the child's screen keeps its design, and the
// adult who prints knows the usual key.
void PlayerWindow::createPrintShortcut()
{
    toolkit::addShortcut(this, QStringLiteral("Ctrl+P"), [this] { printActivity(); });
}

// Reads the file again rather than the dot table, so the sheet shows every
// dot whatever the child has joined or drawn.
void PlayerWindow::printActivity()
{
    if (game_.file().isEmpty())
        return;
    const std::optional<worksheet::Worksheet> sheet = worksheet::readWorksheet(game_.file());
    if (!sheet)
        return;
    worksheet::printWithDialog(platform_, *sheet);
}

} // namespace player
