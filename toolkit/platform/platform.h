#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPagedPaintDevice;

namespace toolkit {

// Answers of a message box, as the classic toolkit numbers them.
enum MsgBoxResult { vbOK = 1, vbYes = 6, vbNo = 7 };
// Button sets of a message box. Enter answers No to a yes/no box unless it
// also carries vbDefaultYes.
enum MsgBoxStyle { vbOKOnly = 0, vbYesNo = 4, vbDefaultYes = 0x10000 };

// Everything a window asks of the world outside the program: sound, message
// boxes, dialogs, clipboard, other programs, the clock and the screen. The
// programs use QtPlatform; tests use FakePlatform, which records every call.
class Platform
{
public:
    virtual ~Platform() = default;

    // Plays WAV files one after the other, asynchronously: returns at once,
    // cuts off any sound that is playing and drops any still waiting its
    // turn. A file that is missing or no sound is left out; when none is
    // left, the computer beeps.
    virtual void playSounds(const QStringList& paths) = 0;
    void playSound(const QString& path) { playSounds({path}); }

    // Shows a modal box with the program's own title; returns an MsgBoxResult.
    virtual int messageBox(const QString& text, int style) = 0;

    // File dialogs, starting in `folder` (or where the user was last, when
    // empty). Each returns the chosen path, or an empty text on cancel. The
    // save dialog asks before replacing the file chosen. `filter` is in Qt's
    // form, for example "Imágenes (*.bmp *.jpg *.gif)".
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& folder = {}) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& folder = {}) = 0;

    // Runs a window of the program modally, as the editor's theme library,
    // and returns its result (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog& dialog) = 0;

    virtual void setClipboardImage(const QImage& image) = 0;
    virtual QImage clipboardImage() = 0;
    // The first local file on the clipboard, as a file manager copies one;
    // empty when there is none.
    virtual QString clipboardFile() = 0;

    // Starts a program with its arguments, never through a shell, and does
    // not wait for it. Returns false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    // Opens a folder in the desktop's file manager without waiting.
    virtual bool openFolder(const QString& path) = 0;

    virtual QDateTime now() = 0;

    // A repeating timer; it stops when the handle is destroyed.
    class Ticker
    {
    public:
        virtual ~Ticker() = default;
    };
    // Calls `tick` on the UI thread every `milliseconds` (at least 1) until
    // the returned handle is destroyed, which `tick` itself may do.
    virtual std::unique_ptr<Ticker> startTicker(int milliseconds, std::function<void()> tick) = 0;

    // Screen size in twips, and twips per screen pixel in each direction.
    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;
    virtual int twipsPerPixelX() = 0;
    virtual int twipsPerPixelY() = 0;
    // Screen pixels in a millimetre of the screen in use, as its maker
    // reports its size: what a finger or a shaking hand reaches is in
    // millimetres, whatever the screen.
    virtual double pixelsPerMillimetre() = 0;

    // The folder that holds the program file; runtime data lies beside it.
    virtual QString appFolder() = 0;

    // The folder the installer copies libraries into.
    virtual QString systemFolder() = 0;

    // Ends the program at once, as the classic `End` statement does.
    virtual void endProgram() = 0;

    // Opens the print dialog titled `title`; when the user accepts, `paint`
    // draws the pages on the chosen printer or PDF file. True when the pages
    // were painted, false on cancel or failure. Platforms without printing
    // print nothing.
    virtual bool printPages(const QString& /*title*/,
                            const std::function<bool(QPagedPaintDevice&)>& /*paint*/)
    {
        return false;
    }
};

} // namespace toolkit
