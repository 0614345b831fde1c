#include "installerwindow.h"
#include "language.h"
#include "programversion.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (toolkit::printedVersion(argc, argv, "lunipoinstall"))
        return 0;
    QApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(installer::InstallerWindow::title());
    installer::InstallerWindow form(platform);
    form.Show();
    return app.exec();
}
