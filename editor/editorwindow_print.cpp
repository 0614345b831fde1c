// Printing the dots placed so far as a paper worksheet, so the adult sees
// the sheet before writing the activity.

#include "editorwindow.h"

#include "worksheet.h"

namespace editor {

void EditorWindow::createPrintShortcut()
{
    toolkit::addShortcut(this, QStringLiteral("Ctrl+P"), [this] { printDots(); });
}

void EditorWindow::printDots()
{
    const QStringList lines =
        QString::fromLatin1(activityContents()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    worksheet::Worksheet sheet = worksheet::worksheetFromLines(lines);
    sheet.footer = tr("Actividad nueva");
    worksheet::printWithDialog(platform_, sheet);
}

} // namespace editor
