#include "ui/shell/application.h"

#include "ui/shell/fonts.h"
#include "ui/shell/window_system.h"

#include <exception>

namespace ui::shell {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    useChineseDialogFonts();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUntrappedError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportUntrappedError(QStringLiteral("未知错误"));
    }
    return false;
}

void Application::reportUntrappedError(const QString& description) {
    if (reportingError_) {
        return;
    }
    reportingError_ = true;
    showMessage(QStringLiteral("运行时错误：%1").arg(description), MessageStyle::Critical);
    // Ends every event loop that is running, modal ones included.
    exit(untrappedErrorExitStatus);
}

} // namespace ui::shell
