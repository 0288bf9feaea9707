#include "app/apply_identity.h"
#include "ui/design/two_pin_window.h"
#include "ui/pin/pin.h"
#include "ui/shell/application.h"
#include "ui/shell/window_system.h"

namespace {

// Shows the start-up window and runs the program until it is closed.
template <class Window>
int run(ui::shell::Application& application) {
    Window window;
    ui::shell::showStartupWindow(window);
    return application.exec();
}

} // namespace

// The program's only option, --two-pin, opens the two-pin locating design in place of the
// calculator. Any other argument is ignored and the calculator opens: start-up shows no message,
// and on Windows, where the program has no console, there is nowhere else to tell of it.
int main(int argc, char** argv) {
    ui::shell::Application application(argc, argv);
    app::applyIdentity(application);
    if (application.arguments().contains(QStringLiteral("--two-pin"))) {
        return run<ui::TwoPinWindow>(application);
    }
    return run<ui::Pin>(application);
}
