#include "ui/about/pin_about.h"

#include "sysinfo/start_sys_info.h"
#include "ui/shell/pictures.h"
#include "ui/shell/window_system.h"
#include "ui_pin_about.h"

#include <QCoreApplication>
#include <QPixmap>
#include <string_view>

namespace ui {

namespace {

// The application's version, major.minor.revision, is set from its identity at start.
QString versionLine() {
    return QStringLiteral("版本 ") + QCoreApplication::applicationVersion();
}

void showUnavailable(std::u16string_view message) {
    shell::showMessage(QStringView(message).toString(), shell::MessageStyle::OkOnly);
}

} // namespace

void startSystemInformation() {
    sysinfo::StartSysInfo(sysinfo::systemViewer, platform::systemPrograms(), showUnavailable);
}

PinAbout::PinAbout(QWidget* parent, SysInfoLauncher startSysInfo)
    : QDialog(parent), ui_(std::make_unique<::Ui::PinAbout>()),
      startSysInfo_(std::move(startSysInfo)) {
    ui_->setupUi(this);
    // A fixed dialog frame with the close button as its only title-bar button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_->picIcon->setPixmap(QPixmap::fromImage(
        shell::readPicture(QStringLiteral(":/about/banner"), devicePixelRatioF())));
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cmdSysInfo, &QPushButton::clicked, this, [this] { startSysInfo_(); });
}

PinAbout::~PinAbout() = default;

void PinAbout::setVisible(bool visible) {
    if (visible && !isVisible()) {
        load();
    }
    QDialog::setVisible(visible);
}

void PinAbout::load() {
    // The window comes up as designed, as if built anew, before the load step changes it.
    ui_->retranslateUi(this);
    ui_->cmdOK->setFocus(Qt::OtherFocusReason);

    setWindowTitle(shell::withApplicationTitle(windowTitle()) + QLatin1Char(' '));
    ui_->lblVersion->setText(versionLine());
    ui_->lblTitle->setText(QCoreApplication::applicationName() + QStringLiteral(" 2005"));
}

} // namespace ui
