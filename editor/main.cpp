#include "form1.h"
#include "language.h"
#include "largeblocks.h"
#include "picturebatch.h"
#include "qtplatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

namespace {

// lunipoeditor --tema NOMBRE ... IMAGEN...: no window, and no display needed.
int runBatch(int argc, char* argv[], const editor::PictureBatch& batch, const QString& problem)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    if (!problem.isEmpty()) {
        err << "lunipoeditor: " << problem << '\n'
            << "Uso: lunipoeditor --tema NOMBRE [--puntos N] [--con-contorno] IMAGEN..."
            << Qt::endl;
        return 2;
    }
    return batch.run(toolkit::ThemeLibrary(QCoreApplication::applicationDirPath()), out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    toolkit::giveLargeBlocksBack();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString problem;
    if (const auto batch = editor::PictureBatch::fromArguments(arguments, problem))
        return runBatch(argc, argv, *batch, problem);

    QApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(QStringLiteral("lunipoeditor"));
    editor::Form1 window(platform);
    window.Show();
    // lunipoeditor FILE.txt: the activity opens once the work of last time
    // has been offered back.
    if (const QStringList arguments = app.arguments(); arguments.size() > 1)
        window.openActivity(arguments.at(1));
    return app.exec();
}
