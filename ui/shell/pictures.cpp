#include "ui/shell/pictures.h"

#include <QImageReader>

namespace ui::shell {

QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage readPicture(const QString& name, qreal pixelRatio) {
    const bool sharp = pixelRatio > 1;
    QImage picture = readPng(name + (sharp ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    picture.setDevicePixelRatio(sharp ? 2 : 1);
    return picture;
}

} // namespace ui::shell
