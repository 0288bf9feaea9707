#pragma once

#include <QImage>
#include <QString>

namespace ui::shell {

// Reads one of the program's PNG images. The format is named rather than guessed: guessing
// would first load every image-format plugin Qt has, Qt SVG's among them.
QImage readPng(const QString& path);

// The picture `name`.png from the resources, or `name`@2x.png on a screen scaled beyond 100 %,
// to be drawn at the picture's natural size.
QImage readPicture(const QString& name, qreal pixelRatio);

} // namespace ui::shell
