#include "app/apply_identity.h"
#include "ui/pin/pin.h"
#include "ui/shell/application.h"
#include "ui/shell/window_system.h"

int main(int argc, char** argv) {
    ui::shell::Application application(argc, argv);
    app::applyIdentity(application);
    ui::Pin pin;
    ui::shell::showStartupWindow(pin);
    return application.exec();
}
