// An exception that escapes a handler is reported in a critical box captioned with the title,
// with OK only and the error's text, and the program ends with a non-zero status.
#include "app/apply_identity.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/shell/application.h"

#include <QTextStream>
#include <QTimer>
#include <stdexcept>

// A program of its own, as the error ends the run.
int main(int argc, char** argv) {
    ui::shell::Application application(argc, argv);
    app::applyIdentity(application);
    const ModalWatch watch;
    QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
    const int status = QApplication::exec();
    const QString seen = watch.description.join(u' ');
    QTextStream(stdout) << "exit status " << status << ", box: " << seen << '\n';
    return status != 0 && seen == "QMessageBox " + applicationTitle() +
                                      " Critical 确定 运行时错误：disk full"
               ? 0
               : 1;
}
