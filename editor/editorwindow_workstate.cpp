// The working state kept for the next start: the pages and the dot list are
// written in the background after changes and on an orderly exit, and are
// offered back when the editor starts after it closed or died with work
// that was never written as an activity or a picture.

#include "editorwindow.h"

#include "activityreader.h"
#include "autosave.h"
#include "workingstate.h"

#include <QLoggingCategory>
#include <algorithm>

namespace editor {

Q_LOGGING_CATEGORY(lcWorkingState, "lunipo.workingstate")

namespace {

// The tools the main palette chooses (the others are commands).
bool choosesTool(int number)
{
    using Tool = EditorWindow::Tool;
    for (Tool tool : {Tool::Line, Tool::Stamp, Tool::Pencil, Tool::Circle, Tool::Rectangle,
                      Tool::Fill, Tool::Polygon, Tool::Eraser, Tool::Dots})
        if (number == static_cast<int>(tool))
            return true;
    return false;
}

} // namespace

EditorWindow::~EditorWindow() = default;

void EditorWindow::startWorkingState()
{
    auto store = std::make_unique<WorkingStateStore>();
    if (!store->lock()) {
        tell(tr("Ya hay otro editor de actividades abierto, que guarda su trabajo por "
                "si se cierra. Este no lo guardará: escribe la actividad o guarda el "
                "dibujo antes de cerrarlo."));
        return;
    }
    WorkingState saved;
    auto found = store->read(saved);
    if (found == WorkingStateStore::Found::Damaged)
        tell(tr("El trabajo guardado de la última vez está dañado o no es de este "
                "editor, y no se puede recuperar. Empiezas con el trabajo en blanco."));
    if (found == WorkingStateStore::Found::State && !saved.written && !saved.isBlank()) {
        qCInfo(lcWorkingState) << "offering back the work of last time";
        if (platform_.messageBox(tr("Se ha encontrado el trabajo de la última vez. "
                                    "¿Quieres recuperarlo?"),
                                 toolkit::vbYesNo | toolkit::vbDefaultYes) == toolkit::vbYes) {
            restoreWorkingState(saved);
            found = WorkingStateStore::Found::Nothing; // kept: it is still unwritten work
        }
    }
    if (found != WorkingStateStore::Found::Nothing)
        store->discard();
    workStore_ = std::move(store);
    autosave_ = std::make_unique<Autosave>(*workStore_, [this] { return workingState(); });
}

// Shared copies only: the pages as their areas hold them, compressed or not.
WorkingState EditorWindow::workingState() const
{
    WorkingState state;
    for (int p = 0; p < Pages; ++p)
        std::visit([&](const auto& held) { state.pages.emplace_back(held); }, pages(p).heldImage());
    state.canvasSize = canvas->size();
    state.currentPage = currentPage_;
    state.activeTool = static_cast<int>(activeTool_);
    for (int i = 0; i < dotEntryCount; ++i)
        state.dotEntries << dotListBox->List(i);
    for (const Dot& dot : dots_)
        state.dotLooks.push_back({dot.page, dot.radius, dot.fontSize, dot.starts});
    state.dotNumber = next_.number;
    state.newFigure = next_.newFigure;
    state.prevDotX = next_.prevX;
    state.prevDotY = next_.prevY;
    state.firstDotX = next_.firstX;
    state.firstDotY = next_.firstY;
    state.stepIndex = numberStep->ListIndex();
    state.dotSize = settings_.dotSize();
    state.circles = dotSizeButtons(DotButton::Circles).text() == QLatin1String("O");
    state.written = workWritten_;
    return state;
}

// Pages from a screen of another size are stretched to this canvas, and the
// positions of the figure being built with them; the dot list itself is in
// the activity's own units and stays as it is.
void EditorWindow::restoreWorkingState(const WorkingState& state)
{
    const QSize canvasSize = canvas->size();
    for (int p = 0; p < Pages && p < int(state.pages.size()); ++p) {
        QImage picture = pageImage(state.pages[size_t(p)]);
        if (picture.size() != canvasSize)
            picture = picture.scaled(canvasSize); // no new colours: fills stop where they did
        pages(p).setPicture(picture);
        if (p != currentPage_)
            pages(p).compact();
    }
    // Sizes 150, 200 and 250 are buttons 0 to 2; a damaged size is left out.
    for (int button = 0; button <= 2; ++button)
        if (state.dotSize == 150 + 50 * button)
            chooseDotSize(DotButton(button));
    dotSizeButtons(DotButton::Circles).setCaption(state.circles ? QStringLiteral("O") : QString());
    choosePage(std::clamp(state.currentPage, 0, Pages - 1));
    if (choosesTool(state.activeTool))
        chooseTool(Tool(state.activeTool));

    // The dots of last time come back as they were shown, their records as
    // they were; those of an earlier editor's file on the page shown.
    const QStringList entries = state.dotEntries.mid(0, MaxDotEntries);
    QVector<ReadActivity::Record> records;
    for (const QString& entry : entries)
        records << dotRecord(entry);
    dots_ = dotsOfRecords(records, settings_.dotSize(), canvas->FontSize);
    const bool looksKept = state.dotLooks.size() >= dots_.size();
    for (size_t i = 0; i < dots_.size(); ++i) {
        dots_[i].record = entries[qsizetype(i)];
        if (looksKept) {
            const WorkingState::DotLook& look = state.dotLooks[i];
            dots_[i].page = std::min(look.page, Pages - 1);
            dots_[i].radius = look.radius;
            dots_[i].fontSize = look.fontSize;
            dots_[i].starts = look.starts;
        }
    }
    openedActivity_.clear();
    dotListChanged();
    const double sx = double(canvasSize.width()) / state.canvasSize.width();
    const double sy = double(canvasSize.height()) / state.canvasSize.height();
    // Far beyond any list, and far from where adding steps would overflow.
    next_.number = std::clamp(state.dotNumber, 0, 1 << 24);
    next_.newFigure = state.newFigure;
    next_.prevX = state.prevDotX * sx;
    next_.prevY = state.prevDotY * sy;
    next_.firstX = state.firstDotX * sx;
    next_.firstY = roundToInt32(state.firstDotY * sy);
    if (state.stepIndex >= 0 && state.stepIndex < numberStep->ListCount())
        numberStep->setListIndex(state.stepIndex);
    showPage();
}

void EditorWindow::workChanged(bool newWork)
{
    if (newWork)
        workWritten_ = false;
    if (autosave_)
        autosave_->changed();
}

void EditorWindow::workWritten()
{
    workWritten_ = true;
    if (autosave_)
        autosave_->changed();
}

void EditorWindow::keepWorkingStateNow()
{
    if (autosave_)
        autosave_->flush();
}

} // namespace editor
