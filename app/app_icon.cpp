#include "app/app_icon.h"

#include <QString>

namespace app {

QIcon applicationIcon() {
    QIcon icon(QStringLiteral(":/icons/com.kestrow.Quarnest.svg"));
    for (int size : {16, 32, 48, 128}) {
        icon.addFile(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/com.kestrow.Quarnest.png").arg(size),
            QSize(size, size));
    }
    return icon;
}

} // namespace app
