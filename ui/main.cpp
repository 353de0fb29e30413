#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The installed desktop entry's name, so that a Wayland desktop shows the
    // entry's name and icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.velmora"));
    Form1 window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
