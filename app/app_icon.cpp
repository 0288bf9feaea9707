#include "app/app_icon.h"

#include "app/identity.h"

#include <QStringView>

namespace app {

// The icon files are named after the application id, as the desktop integration wants them.
QIcon applicationIcon() {
    const QString name = QStringView(identity::desktopFileName).toString();
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
    for (int size : {16, 32, 48, 128}) {
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name),
                     QSize(size, size));
    }
    return icon;
}

} // namespace app
