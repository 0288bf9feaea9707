// The yardstick for the calculator's start-up: the least a Chinese window needs, a Qt Widgets
// window of the main window's size with one Chinese label and one line edit in the calculator's
// dialog face. scripts/bench-startup runs it beside the calculator.
#include "ui/shell/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::shell::useChineseDialogFonts();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up baseline"));
    window.setFixedSize(689, 379);
    QLabel label(QStringLiteral("定位孔直径D2："), &window);
    label.setGeometry(16, 96, 89, 17);
    QLineEdit edit(&window);
    edit.setGeometry(112, 88, 97, 30);
    window.show();
    return application.exec();
}
