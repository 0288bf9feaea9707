#include "app/application.h"

#include "app/app_icon.h"
#include "app/fonts.h"
#include "app/identity.h"
#include "app/window_system.h"

#include <exception>

namespace app {

namespace {

// major.minor.revision, as the About dialog shows it.
QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(identity::versionMajor)
        .arg(identity::versionMinor)
        .arg(identity::versionRevision);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringView(identity::description).toString());
    setOrganizationName(QStringView(identity::organization).toString());
    setApplicationVersion(versionText());
    setDesktopFileName(QStringView(identity::desktopFileName).toString());
    setWindowIcon(applicationIcon());
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

} // namespace app
