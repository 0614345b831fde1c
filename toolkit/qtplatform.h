#pragma once

#include "platform.h"

#include <memory>

class QWidget;

namespace toolkit {

// Where QtPlatform's sounds go: the speakers, or a recording in tests.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    virtual void stop() = 0;                    // cuts off the sound playing, if any
    virtual void play(const QString& path) = 0; // returns at once
    virtual void beep() = 0;                    // the system's default sound
};

// The Platform of the real programs, on Qt.
class QtPlatform : public Platform
{
public:
    // `title` is the program's own title, shown on its message boxes.
    // Sounds go to `sounds`, or to the speakers when it is null.
    explicit QtPlatform(const QString& title, std::unique_ptr<SoundOutput> sounds = {});
    ~QtPlatform() override;

    void playSound(const QString& path) override;
    int messageBox(const QString& text, int style) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    void setClipboardImage(const QImage& image) override;
    QImage clipboardImage() override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openFolder(const QString& path) override;
    QDateTime now() override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    int twipsPerPixelX() override;
    int twipsPerPixelY() override;
    QString appFolder() override;
    // LUNIPO_SYSTEM_DIR, or a "system32" folder in the user's data folder.
    QString systemFolder() override;
    void endProgram() override;

private:
    QString title_;
    std::unique_ptr<SoundOutput> sound_;
};

} // namespace toolkit
