#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

// What a screen reader learns of the windows beyond what Qt derives from the widgets' classes.
namespace ui::shell {

// Keeps screen readers from a request that Qt 6.4 answers with an endless loop, freezing the
// program: the word or sentence at the very end of a line edit's text. Call it once, before any
// window is made.
void guardLineEditText();

// Exposes the widget to assistive technology in the given role rather than its class's: a frame
// that draws a picture is a graphic. Call it from the widget's constructor, before anything names
// the widget: Qt keeps the first interface it makes for a widget.
void exposeAs(QWidget& widget, QAccessible::Role role);

// Names a control after its caption on screen, without the access key, the colon and a unit in
// brackets: "孔1最小间隙 X1min (mm)：" names it "孔1最小间隙 X1min". The unit, in words, starts
// the description, followed by `hint`.
void nameAfterCaption(QWidget& control, const QString& caption, const QString& hint = {});

// The description of a value in millimetres: "单位：毫米", followed by `hint` if there is one.
QString millimetresDescription(const QString& hint = {});

// A notice in a window that nothing draws and a screen reader speaks as soon as it is given,
// whatever has the focus: how a result that appears away from the focus is told. On Linux it
// reaches AT-SPI as a notification shown anew, on Windows UI Automation as a notification event.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget& window);

    void announce(const QString& message);
};

} // namespace ui::shell
