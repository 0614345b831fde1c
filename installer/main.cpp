#include "installerwindow.h"
#include "language.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(installer::InstallerWindow::title());
    installer::InstallerWindow form(platform);
    form.Show();
    return app.exec();
}
