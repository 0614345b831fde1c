#include "form1.h"
#include "qtplatform.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::loadSpanishQtTexts(app);
    toolkit::QtPlatform platform(installer::Form1::Title);
    installer::Form1 form(platform);
    form.Show();
    return app.exec();
}
