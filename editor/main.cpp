#include "form1.h"
#include "qtplatform.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::loadSpanishQtTexts(app);
    toolkit::QtPlatform platform(QStringLiteral("lunipoeditor"));
    editor::Form1 window(platform);
    window.Show();
    return app.exec();
}
