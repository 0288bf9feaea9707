// The main of every window test: the test runs under the program's own application object.
#include "app/apply_identity.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/shell/application.h"

#include <QTest>

int main(int argc, char** argv) {
    ui::shell::Application application(argc, argv);
    app::applyIdentity(application);
    return QTest::qExec(makeWindowTest().get(), argc, argv);
}
