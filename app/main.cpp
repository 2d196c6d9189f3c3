#include <Look.h>
#include <Window.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorrel"));
    ApplyWindowLook();

    Window window;
    window.show();
    // Without a window manager nobody else gives the window the keyboard.
    window.activateWindow();
    window.raise();
    return QApplication::exec();
}
