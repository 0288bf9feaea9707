#include "ui/shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace ui::shell {

void useChineseDialogFonts() {
    const QString songFace = QStringLiteral("宋体");
    // Song (Ming) faces first, then faces that cover Simplified Chinese, from the common
    // distributions' font packages. A fixed list: asking the font database which families cover
    // Chinese would read every installed font at start. Substitutes only stand in where the
    // family itself is not installed, as on Windows it is.
    const QStringList substitutes{
        QStringLiteral("Noto Serif CJK SC"),  QStringLiteral("Source Han Serif SC"),
        QStringLiteral("AR PL UMing CN"),     QStringLiteral("AR PL SungtiL GB"),
        QStringLiteral("Noto Sans CJK SC"),   QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Droid Sans Fallback")};
    QFont::insertSubstitutions(songFace, substitutes);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), substitutes);
    // The forms' Latin faces, where they are missing, by faces of the same metrics. Without them a
    // Windows without the face (as Wine is) lets the font mapper pick a face for the user's
    // language: for a Chinese user a CJK face, whose ascent of 22 px at 19-pixel type against
    // Times New Roman's 17 sets "b =" 5 px lower, below the bottom of its box.
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("Nimbus Roman")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Nimbus Sans")});
    QApplication::setFont(QFont(songFace, 9));
}

} // namespace ui::shell
