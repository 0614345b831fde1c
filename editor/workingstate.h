#pragma once

#include "compactimage.h"
#include "parkedimage.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QLockFile;

namespace editor {

// What the editor is working on, enough to carry on after it closed or died:
// the pages, the dot list with its numbering, the page and the tool chosen.
struct WorkingState
{
    // A page as its area holds it (whole, or put aside to be compressed), or
    // as read from the file (compressed).
    using Page = std::variant<QImage, toolkit::ParkedImage, toolkit::CompactImage>;

    std::vector<Page> pages;
    QSize canvasSize; // pixels; the dot positions below belong to it
    int currentPage = 0;
    int activeTool = 0;
    QStringList dotEntries;
    // How each entry of the list was shown. Empty in a file of an earlier
    // editor, whose dots all come back on the page shown.
    struct DotLook
    {
        int page = 0;
        int radius = 0;      // of its circle, twips
        double fontSize = 0; // of its label, points
        bool starts = false; // no line joins it to the entry before
    };
    std::vector<DotLook> dotLooks;
    int dotNumber = 0;
    bool newFigure = false;
    double prevDotX = 0; // canvas twips
    double prevDotY = 0;
    double firstDotX = 0;
    int firstDotY = 0;
    int stepIndex = 0; // the numbering step chosen, 0 for 1
    int dotSize = 0;
    bool circles = false;
    // Everything here has been written as an activity or a picture since
    // the last change, so nothing would be lost without it.
    bool written = false;

    // Nothing to give back: no dots, and every page is plain white. Expands
    // compressed pages one at a time; not for the UI thread.
    bool isBlank() const;
};

// A page as a whole picture, expanding it when compressed.
QImage pageImage(const WorkingState::Page& page);

// The state as the bytes of its file. Compresses the pages that are not yet,
// dropping each whole picture as soon as it is compressed (so the editor
// drawing on a page meanwhile copies it no longer than needed): meant for a
// worker thread.
QByteArray encode(WorkingState state);
// Nothing unless the bytes are a whole, undamaged working state of this
// editor. Sizes and counts are checked before anything is allocated, and
// every page is expanded once to prove it whole (one at a time).
std::optional<WorkingState> decode(const QByteArray& bytes);

// The file that keeps the working state, in the user's data folder, and the
// lock that gives it to one editor at a time.
class WorkingStateStore
{
public:
    // `folder` is created when missing.
    explicit WorkingStateStore(const QString& folder = defaultFolder());
    ~WorkingStateStore();

    // $XDG_DATA_HOME/lunipo, by default ~/.local/share/lunipo.
    static QString defaultFolder();

    // Takes the working state for this editor; false while another living
    // editor holds it. The lock goes with the store.
    bool lock();

    enum class Found { Nothing, Damaged, State };
    // What the file holds; `state` is set only for Found::State.
    Found read(WorkingState& state) const;
    // Writes the encoded state whole or, when anything fails (a full disk),
    // leaves the previous file untouched. Safe on a worker thread while no
    // other write runs.
    bool write(const QByteArray& encoded) const;
    void discard() const;

    QString path() const;

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace editor
