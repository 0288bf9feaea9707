#include "app/apply_identity.h"

#include "app/identity.h"
#include "ui/shell/pictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QStringView>

namespace app {

namespace {

// major.minor.revision, as the About dialog shows it.
QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(identity::versionMajor)
        .arg(identity::versionMinor)
        .arg(identity::versionRevision);
}

// The gear at the sizes of a title bar, a task bar and a task switcher, each also at 200 %. The
// files are named after the application id, as the desktop integration wants them.
QIcon gearIcon() {
    const QString name = QStringView(identity::desktopFileName).toString();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 96}) {
        icon.addPixmap(QPixmap::fromImage(ui::shell::readPng(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name))));
    }
    return icon;
}

} // namespace

void applyIdentity(QGuiApplication& application) {
    application.setApplicationName(QStringView(identity::title).toString());
    application.setOrganizationName(QStringView(identity::organization).toString());
    application.setApplicationVersion(versionText());
    application.setDesktopFileName(QStringView(identity::desktopFileName).toString());
    application.setWindowIcon(gearIcon());
}

} // namespace app
