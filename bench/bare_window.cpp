// The floor for the start-up measurement (scripts/measure-startup.sh): a bare
// Qt window of the program's size with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(732, 314);
    window.show();
    return QApplication::exec();
}
