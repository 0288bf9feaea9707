#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    ui::Pin pin;
    app::showStartupWindow(pin);
    return application.exec();
}
