// The yardstick for the calculator's start-up: the smallest Qt Widgets program that shows one
// window of the main window's size. scripts/bench-startup runs it beside the calculator.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up baseline"));
    window.setFixedSize(689, 379);
    window.show();
    return application.exec();
}
