#include "app/application.h"

#include <QMessageBox>
#include <QTextStream>
#include <QTimer>
#include <stdexcept>

// An exception that escapes a handler is reported in a critical box captioned with the title,
// with OK only and the error's text, and the program ends with a non-zero status.
int main(int argc, char** argv) {
    app::Application application(argc, argv);
    QString seen;
    QTimer poll;
    poll.callOnTimeout([&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = QStringList{box->windowTitle(),
                               box->icon() == QMessageBox::Critical ? "critical" : "not critical",
                               box->standardButtons() == QMessageBox::Ok ? "OK" : "not OK only",
                               box->text()}
                       .join(' ');
            box->accept();
        }
    });
    poll.start(10);
    QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
    const int status = QApplication::exec();
    QTextStream(stdout) << "exit status " << status << ", box: " << seen << '\n';
    const bool reported = seen.startsWith("Tovrel critical OK ") && seen.contains("disk full");
    return status != 0 && reported ? 0 : 1;
}
