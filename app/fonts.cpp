#include "app/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace app {

namespace {

const QString songFace = QStringLiteral("宋体");
const QString songFaceLatinName = QStringLiteral("SimSun");
constexpr int dialogFontPointSize = 9;

// Song (Ming) style faces first, in order of preference, then any face that covers Simplified
// Chinese.
QStringList songSubstitutes() {
    QStringList candidates{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                           QStringLiteral("Noto Sans CJK SC")};
    const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    QStringList substitutes;
    for (const QString& family : candidates) {
        if (installed.contains(family)) {
            substitutes << family;
        }
    }
    for (const QString& family : installed) {
        if (!substitutes.contains(family)) {
            substitutes << family;
        }
    }
    return substitutes;
}

} // namespace

void useChineseDialogFonts() {
    // Substitutes only stand in where the family itself is not installed, as on Windows it is.
    const QStringList substitutes = songSubstitutes();
    QFont::insertSubstitutions(songFace, substitutes);
    QFont::insertSubstitutions(songFaceLatinName, substitutes);
    QApplication::setFont(QFont(songFace, dialogFontPointSize));
}

} // namespace app
