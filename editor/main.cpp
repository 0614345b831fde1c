#include "form1.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::QtPlatform platform(QStringLiteral("lunipoeditor"));
    editor::Form1 window(platform);
    window.Show();
    return app.exec();
}
