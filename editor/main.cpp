#include "editorwindow.h"
#include "language.h"
#include "largeblocks.h"
#include "picturebatch.h"
#include "programversion.h"
#include "qtplatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstring>

namespace {

// lunipoeditor --tema NOMBRE ... IMAGEN...: no window, and no display needed.
int runBatch(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt is given none of the arguments: a Qt option would take the one
    // after it as its value, --tema included, and a window's options mean
    // nothing here. The batch reads them all, as they were typed.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout), err(stderr);
    QString problem;
    const auto batch = editor::PictureBatch::fromArguments(arguments, problem);
    if (!batch || !problem.isEmpty()) {
        err << "lunipoeditor: " << problem << '\n'
            << QCoreApplication::translate(
                   "main", "Uso: lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] "
                           "[--con-contorno] IMAGEN...")
            << Qt::endl;
        return 2;
    }
    return batch->run(
        toolkit::ThemeLibrary(QCoreApplication::applicationDirPath(), toolkit::Share::current()),
        out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    if (toolkit::printedVersion(argc, argv, "lunipoeditor"))
        return 0;
    toolkit::giveLargeBlocksBack();
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--tema") == 0)
            return runBatch(argc, argv);

    QApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(QStringLiteral("lunipoeditor"));
    editor::EditorWindow window(platform);
    window.Show();
    // lunipoeditor FILE.txt: the activity opens once the work of last time
    // has been offered back.
    if (const QStringList arguments = app.arguments(); arguments.size() > 1)
        window.openActivity(arguments.at(1));
    return app.exec();
}
