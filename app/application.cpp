#include "app/application.h"

#include "app/app_icon.h"
#include "app/fonts.h"
#include "app/identity.h"
#include "app/window_system.h"

#include <exception>

namespace app {

namespace {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(identity::versionMajor)
        .arg(identity::versionMinor)
        .arg(identity::versionRevision);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(toQString(identity::description));
    setOrganizationName(toQString(identity::organization));
    setApplicationVersion(versionText());
    setDesktopFileName(toQString(identity::desktopFileName));
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
