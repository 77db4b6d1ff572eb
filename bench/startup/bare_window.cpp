// The yardstick: a bare Qt window of the size of a suite program's main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
