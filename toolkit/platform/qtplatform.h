#pragma once

#include "platform.h"

#include <QCoreApplication>
#include <memory>

class QWidget;

namespace toolkit {

class SoundPlayer;

// The Platform of the real programs, on Qt.
class QtPlatform : public Platform
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::QtPlatform)

public:
    // `title` is the program's own title, shown on its message boxes.
    explicit QtPlatform(const QString& title);
    ~QtPlatform() override;

    void playSounds(const QStringList& paths) override;
    int messageBox(const QString& text, int style) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& folder) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& folder) override;
    int execDialog(QDialog& dialog) override;
    void setClipboardImage(const QImage& image) override;
    QImage clipboardImage() override;
    QString clipboardFile() override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openFolder(const QString& path) override;
    QDateTime now() override;
    std::unique_ptr<Ticker> startTicker(int milliseconds, std::function<void()> tick) override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    int twipsPerPixelX() override;
    int twipsPerPixelY() override;
    double pixelsPerMillimetre() override;
    QString appFolder() override;
    // LUNIPO_SYSTEM_DIR, or a "system32" folder in the user's data folder.
    QString systemFolder() override;
    void endProgram() override;
    // The system print dialog on A4 paper; its PDF choice writes a file.
    bool printPages(const QString& title,
                    const std::function<bool(QPagedPaintDevice&)>& paint) override;

private:
    QString title_;
    std::unique_ptr<SoundPlayer> sound_;
};

} // namespace toolkit
