#include "ui/shell/application.h"

#include "ui/shell/accessibility.h"
#include "ui/shell/fonts.h"
#include "ui/shell/window_system.h"

#include <QPushButton>
#include <QShortcutEvent>
#include <QTranslator>
#include <exception>

namespace ui::shell {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    useChineseDialogFonts();
    useQtChineseWords();
    mendLineEditText();
    installEventFilter(this);
}

// Qt's own words, the standard buttons of a message box (确定) and the line edits' menu among
// them, come from Qt's Simplified Chinese translation, built into the program: whatever the
// system's language, the program speaks Chinese only.
void Application::useQtChineseWords() {
    auto* words = new QTranslator(this);
    if (words->load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))) {
        installTranslator(words);
    }
}

// Qt shows a button pressed for a tenth of a second after its access key and only then clicks it.
// Keys typed meanwhile go to the old focus, and a command like Refresh then wipes them out: Alt+R
// followed at once by a new diameter would lose the diameter.
bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button != nullptr && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            button->click();
            return true;
        }
    }
    return QApplication::eventFilter(watched, event);
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
