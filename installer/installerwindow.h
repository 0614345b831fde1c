#pragma once

#include "controls.h"
#include "platform.h"

#include <QCoreApplication>
#include <QWidget>

namespace installer {

// The installer's only window: it copies the two runtime libraries that come
// beside the program into the system folder, starts the registration tool on
// each one it copied, and ends after one pass. Its public face is what a
// person or the platform does; the controls have object names, for tests to
// find them.
class InstallerWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(installer::InstallerWindow)

public:
    static QString title(); // the window's and its messages'

    explicit InstallerWindow(toolkit::Platform& platform, QWidget* parent = nullptr);

    // Runs startUp the first time, then shows the window.
    void Show();

    void startUp();
    void install();

private:
    toolkit::Label* systemsLabel;                      // which systems this is for
    toolkit::Label* destinationLabel;                  // where the files go
    toolkit::ControlArray<toolkit::Label> creditLines; // credits
    toolkit::ListBox* fileList;                        // the files to install
    toolkit::CommandButton* installButton;             // the one button

    // The system folder, without a trailing separator.
    QString systemFolder;

    void createControls();
    void fillFileList();

    void installFile(const QString& name);
    void copyAndRegister(const QString& source, const QString& target, const QString& name);
    void tell(const QString& text);

    toolkit::Platform& platform_;
    bool loaded_ = false;
};

} // namespace installer
