#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

class QComboBox;

// What a screen reader learns of the windows beyond what Qt derives from the widgets' classes.
namespace ui::shell {

// Mends what Qt 6.4 tells screen readers of a line edit's text: the word or sentence at the very
// end of the text, which it answers with an endless loop that freezes the program, and the runs of
// text attributes, which make a reader drop the last character. Call it once, before any window
// is made.
void mendLineEditText();

// Exposes the widget to assistive technology in the given role rather than its class's: a frame
// that draws a picture is a graphic. Call it from the widget's constructor, before anything names
// the widget: Qt keeps the first interface it makes for a widget.
void exposeAs(QWidget& widget, QAccessible::Role role);

// Names a control after its caption on screen, without the access key, the colon and a unit in
// brackets: "孔1最小间隙 X1min (mm)：" names it "孔1最小间隙 X1min". The unit, in words, starts
// the description, followed by `hint`.
void nameAfterCaption(QWidget& control, const QString& caption, const QString& hint = {});

// Gives each caption with a buddy the buddy's name. Screen readers name a box after the caption
// that labels it rather than after the box's own name, and the caption on screen may be as short
// as "b =".
void nameCaptionsAfterBoxes(QWidget& window);

// Keeps the combo box's current choice in its description as well. Qt 6.4 on Linux gives a
// combo box's value as its name, which Orca does not speak once a caption labels the box; it
// does speak the description.
void tellChoiceInDescription(QComboBox& box);

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
