#pragma once

#include "controls.h"
#include "platform.h"

#include <QCoreApplication>
#include <QWidget>

namespace installer {

// The installer's only window: it copies the two runtime libraries that come
// beside the program into the system folder, starts the registration tool on
// each one it copied, and ends after one pass. Handlers and state are public
// so tests drive the window as the platform does.
class InstallerWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(installer::InstallerWindow)

public:
    static QString title(); // the window's and its messages'

    explicit InstallerWindow(toolkit::Platform& platform, QWidget* parent = nullptr);

    // Runs startUp the first time, then shows the window.
    void Show();

    // --- Controls -------------------------------------------------------
    toolkit::Label* systemsLabel;                      // which systems this is for
    toolkit::Label* destinationLabel;                  // where the files go
    toolkit::ControlArray<toolkit::Label> creditLines; // credits
    toolkit::ListBox* fileList;                        // the files to install
    toolkit::CommandButton* installButton;             // the one button

    // --- Handlers -------------------------------------------------------
    void startUp();
    void install();

    // The system folder, without a trailing separator.
    QString systemFolder;

private:
    void createControls();
    void fillFileList();

    void installFile(const QString& name);
    void copyAndRegister(const QString& source, const QString& target, const QString& name);
    void tell(const QString& text);

    toolkit::Platform& platform_;
    bool loaded_ = false;
};

} // namespace installer
