// Taking the activity to the player: into a theme it lists, or straight
// onto its screen to try.

#include "editorwindow.h"

#include "activitypicture.h"
#include "editorpictures.h"
#include "librarywindow.h"
#include "themelibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace editor {

namespace {

constexpr int RowGap = 120; // twips, as between the other groups of the column

// The player's program file, beside the editor's.
QString playerProgram(const QString& appFolder)
{
    return QDir(appFolder).filePath(QStringLiteral("lunipo"));
}

} // namespace

void EditorWindow::createThemeButtons()
{
    const toolkit::CommandButton& above = symmetryButtons(Symmetry::TopBottom);
    const int top = above.Top() + above.Height() + RowGap;
    auto button = [&](int column, const QImage& picture, const char* tip,
                      void (EditorWindow::*click)()) {
        auto* made = new toolkit::CommandButton(this);
        made->setPicture(picture);
        made->setToolTipText(tr(tip));
        made->setBackColor(toolkit::vbWhite);
        made->onClick = [this, click] { (this->*click)(); };
        const auto& columnTop = toolButtons(Tool(column));
        made->Move(columnTop.Left(), top, columnTop.Width(), columnTop.Height());
        return made;
    };
    themeButton = button(0, pictures::saveInTheme(), QT_TR_NOOP("Guardar en un tema"),
                         &EditorWindow::saveInTheme);
    tryButton =
        button(1, pictures::tryActivity(), QT_TR_NOOP("Probar"), &EditorWindow::tryInPlayer);
    name(themeButton, "themeButton");
    name(tryButton, "tryButton");
}

// The library window saves the work into a theme, and puts the themes'
// activities in order.
void EditorWindow::saveInTheme()
{
    LibraryWindow::Work work;
    work.contents = [this] { return activityContents(); };
    work.picture = [this] { return activityPicture(); };
    work.written = [this] { workWritten(); };
    work.open = [this](const QString& path) { return openActivity(path); };
    work.openedFrom = openedActivity_;
    work.openedMoved = [this](const QString& path) { openedActivity_ = path; };
    LibraryWindow library(platform_, std::move(work), share(), this);
    platform_.execDialog(library);
}

// A renumbering cut short by a crash or a power cut is finished before the
// adult or the player sees the theme.
void EditorWindow::recoverThemes()
{
    QStringList folders;
    for (const auto& theme : toolkit::ThemeLibrary(platform_.appFolder(), share()).themes())
        folders << theme.folder;
    // A hung shared theme is finished at a later start.
    toolkit::ThemeLibrary(platform_.appFolder(), share()).recover(share().answering(folders));
}

void EditorWindow::tryInPlayer()
{
    if (!trialFolder_)
        trialFolder_ = std::make_unique<QTemporaryDir>();
    const QString path = trialFolder_->filePath(QStringLiteral("prueba.txt"));
    QSaveFile file(path);
    if (!trialFolder_->isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(activityContents()) < 0 || !file.commit() ||
        !toolkit::putActivityPicture(path, activityPicture())) {
        tell(tr("No se ha podido preparar la prueba: no se puede escribir en %1.")
                 .arg(QDir::toNativeSeparators(QDir::tempPath())));
        return;
    }
    const QString player = playerProgram(platform_.appFolder());
    if (!platform_.startProgram(player, {QStringLiteral("--actividad"), path}))
        tell(tr("No se ha podido abrir el reproductor %1.").arg(QDir::toNativeSeparators(player)));
}

} // namespace editor
