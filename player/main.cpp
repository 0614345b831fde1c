#include "form1.h"
#include "form2.h"
#include "program.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::QtPlatform platform(QStringLiteral("lunipo"));

    auto* start = new player::Form2(platform);
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->Show();
    const int result = app.exec();
    delete player::mainWindow;
    return result;
}
