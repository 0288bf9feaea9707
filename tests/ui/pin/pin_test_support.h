#pragma once

#include "app/application.h"
#include "ui/pin/pin.h"

#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class QLineEdit;

namespace pin_test {

// Runs a test object with the program's own application object, so that fonts, icon and the
// handling of untrapped errors are those of the real program.
#define QUARNEST_PIN_TEST_MAIN(TestObject)                                                         \
    int main(int argc, char** argv) {                                                              \
        app::Application application(argc, argv);                                                  \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The main window shown as the program shows it at start, and asked to become active.
class ShownPin {
public:
    ShownPin();

    ui::Pin& window() { return *pin_; }

    // A control of the window by its object name, or null.
    template <class Control = QWidget>
    Control* control(const QString& name) {
        return pin_->findChild<Control*>(name);
    }

    QLineEdit* input();
    QLineEdit* bBox();
    QLineEdit* BBox();

private:
    std::unique_ptr<ui::Pin> pin_;
};

// What a modal message box showed, and what the main window's boxes held meanwhile.
struct SeenBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    qsizetype buttonCount = 0;
    QString inputWhileShown;
    QString bWhileShown;
    QString BWhileShown;
};

// Watches for the next modal message box; when it shows, records it with the boxes of `pin`
// and dismisses it with its OK button. Other modal widgets are closed and not recorded.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(ShownPin& pin);

    const SeenBox& seen() const { return seen_; }

private:
    void inspect(QWidget* modal);

    ShownPin& pin_;
    QTimer poll_;
    SeenBox seen_;
};

// Runs the application's event loop until the program ends, after `action` has run inside it.
// Returns the exit status, or -1 when the program was still running after five seconds.
int runUntilProgramEnds(const std::function<void()>& action);

} // namespace pin_test
