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
    // lunipoeditor FILE.txt: the activity opens once the work of last time
    // has been offered back.
    if (const QStringList arguments = app.arguments(); arguments.size() > 1)
        window.openActivity(arguments.at(1));
    return app.exec();
}
