#pragma once

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class PinAbout;
}

namespace ui {

// Starts the System Information viewer of the system the program runs on, or tells the user in a
// message box that it is not available.
void startSystemInformation();

// The About dialog: the banner, the program's title, version, description and warning, with OK
// and System Info. Each time it is shown it loads its texts anew, so one object serves every
// opening:
//     ui::shell::showModal(about, mainWindow);
class PinAbout : public QDialog {
    Q_OBJECT
public:
    using SysInfoLauncher = std::function<void()>;

    explicit PinAbout(QWidget* parent = nullptr,
                      SysInfoLauncher startSysInfo = startSystemInformation);
    ~PinAbout() override;

    // Showing a hidden dialog runs its load step first.
    void setVisible(bool visible) override;

private:
    void load();

    std::unique_ptr<::Ui::PinAbout> ui_;
    SysInfoLauncher startSysInfo_;
};

} // namespace ui
