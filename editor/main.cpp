#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("lunipoeditor"),
                             QStringLiteral("El editor de actividades aún no está disponible."));
    return 0;
}
