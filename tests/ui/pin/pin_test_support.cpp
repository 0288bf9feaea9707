#include "pin_test_support.h"

#include "app/window_system.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

namespace pin_test {

ShownPin::ShownPin() : pin_(std::make_unique<ui::Pin>()) {
    app::showStartupWindow(*pin_);
    pin_->activateWindow();
}

QLineEdit* ShownPin::input() {
    return control<QLineEdit>(QStringLiteral("Text1"));
}

QLineEdit* ShownPin::bBox() {
    return control<QLineEdit>(QStringLiteral("Text2_0"));
}

QLineEdit* ShownPin::BBox() {
    return control<QLineEdit>(QStringLiteral("Text2_1"));
}

MessageBoxWatcher::MessageBoxWatcher(ShownPin& pin) : pin_(pin) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll_.stop();
            inspect(modal);
        }
    });
    poll_.start(10);
}

void MessageBoxWatcher::inspect(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        modal->close();
        return;
    }
    seen_.shown = true;
    seen_.caption = box->windowTitle();
    seen_.text = box->text();
    seen_.icon = box->icon();
    seen_.buttons = box->standardButtons();
    seen_.buttonCount = box->buttons().size();
    seen_.inputWhileShown = pin_.input()->text();
    seen_.bWhileShown = pin_.bBox()->text();
    seen_.BWhileShown = pin_.BBox()->text();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box->close();
    }
}

int runUntilProgramEnds(const std::function<void()>& action) {
    constexpr int stillRunning = -1;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(stillRunning); });
    watchdog.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

} // namespace pin_test
