#include "ui/shell/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

namespace ui::shell {

namespace {

// The role exposeAs gave a widget, kept on the widget itself.
constexpr const char* roleProperty = "accessibleRole";

QAccessibleInterface* interfaceInGivenRole(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(roleProperty);
    return role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt()))
                          : nullptr;
}

// Qt 6.4's text interface of a line edit, wrapped to mend two faults screen readers meet:
// - Asked for the word or the sentence at the very end of a text that ends in a word, it loops for
//   ever: its search for the item's end takes "no boundary after the end" for a boundary still to
//   come. Orca asks exactly that after Ctrl+Left from the end of a typed number. The wrapper
//   answers with the last item.
// - It gives every offset a run of text attributes that ends where it starts, so a reader that
//   builds the line from the runs drops its last character ("5." for 5.5). The text has no
//   attributes: one run covers it all.
class LineEditText : public QAccessibleInterface,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface {
public:
    // Qt's own stays in Qt's cache of interfaces, which deletes both with the line edit.
    explicit LineEditText(QAccessibleInterface* qtOwn)
        : qtOwn_(qtOwn), text_(qtOwn->textInterface()), editable_(qtOwn->editableTextInterface()) {}

    bool isValid() const override { return qtOwn_->isValid(); }
    QObject* object() const override { return qtOwn_->object(); }
    QWindow* window() const override { return qtOwn_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return qtOwn_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return qtOwn_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return qtOwn_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return qtOwn_->parent(); }
    QAccessibleInterface* child(int index) const override { return qtOwn_->child(index); }
    int childCount() const override { return qtOwn_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return qtOwn_->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return qtOwn_->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { qtOwn_->setText(t, text); }
    QRect rect() const override { return qtOwn_->rect(); }
    QAccessible::Role role() const override { return qtOwn_->role(); }
    QAccessible::State state() const override { return qtOwn_->state(); }
    QColor foregroundColor() const override { return qtOwn_->foregroundColor(); }
    QColor backgroundColor() const override { return qtOwn_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        default:
            return qtOwn_->interface_cast(type);
        }
    }

    void selection(int index, int* start, int* end) const override {
        text_->selection(index, start, end);
    }
    int selectionCount() const override { return text_->selectionCount(); }
    void addSelection(int start, int end) override { text_->addSelection(start, end); }
    void removeSelection(int index) override { text_->removeSelection(index); }
    void setSelection(int index, int start, int end) override {
        text_->setSelection(index, start, end);
    }
    int cursorPosition() const override { return text_->cursorPosition(); }
    void setCursorPosition(int position) override { text_->setCursorPosition(position); }
    QString text(int start, int end) const override { return text_->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return text_->textBeforeOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return text_->textAfterOffset(offset, boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        const int length = characterCount();
        if (offset == -2) {
            offset = cursorPosition();
        }
        const bool byItems =
            boundary == QAccessible::WordBoundary || boundary == QAccessible::SentenceBoundary;
        if (byItems && length > 0 && (offset == -1 || offset == length)) {
            return text_->textBeforeOffset(length, boundary, start, end);
        }
        return text_->textAtOffset(offset, boundary, start, end);
    }
    int characterCount() const override { return text_->characterCount(); }
    QRect characterRect(int offset) const override { return text_->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return text_->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { text_->scrollToSubstring(start, end); }
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { editable_->deleteText(start, end); }
    void insertText(int offset, const QString& text) override {
        editable_->insertText(offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        editable_->replaceText(start, end, text);
    }

private:
    QAccessibleInterface* qtOwn_;
    QAccessibleTextInterface* text_;
    QAccessibleEditableTextInterface* editable_;
};

// Makes Qt's own interface of a line edit, then wraps it. The cache answers for the line edit with
// the interface it took in last: the wrapper.
QAccessibleInterface* mendedLineEdit(const QString& className, QObject* object) {
    static bool makingQtOwn = false;
    if (makingQtOwn || className != u"QLineEdit") {
        return nullptr;
    }
    makingQtOwn = true;
    QAccessibleInterface* qtOwn = QAccessible::queryAccessibleInterface(object);
    makingQtOwn = false;
    return qtOwn != nullptr ? new LineEditText(qtOwn) : nullptr;
}

QString unitInWords(const QString& unit) {
    return unit == u"mm" ? QStringLiteral("毫米") : unit;
}

} // namespace

void mendLineEditText() {
    QAccessible::installFactory(mendedLineEdit);
}

void nameCaptionsAfterBoxes(QWidget& window) {
    for (QLabel* caption : window.findChildren<QLabel*>()) {
        if (caption->buddy() != nullptr && !caption->buddy()->accessibleName().isEmpty()) {
            caption->setAccessibleName(caption->buddy()->accessibleName());
        }
    }
}

void tellChoiceInDescription(QComboBox& box) {
    box.setAccessibleDescription(box.currentText());
    QObject::connect(&box, &QComboBox::currentTextChanged, &box,
                     [&box](const QString& choice) { box.setAccessibleDescription(choice); });
}

void exposeAs(QWidget& widget, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(interfaceInGivenRole);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    widget.setProperty(roleProperty, int(role));
}

QString millimetresDescription(const QString& hint) {
    const QString unit = QStringLiteral("单位：毫米");
    return hint.isEmpty() ? unit : unit + QStringLiteral("；") + hint;
}

void nameAfterCaption(QWidget& control, const QString& caption, const QString& hint) {
    // "name (unit)：" or "name(&K)：", the unit and the access key optional.
    static const QRegularExpression parts(
        QStringLiteral("^(.*?)\\s*(?:\\(&.\\))?\\s*(?:\\((\\w+)\\))?\\s*[：:]?$"));
    const QRegularExpressionMatch match = parts.match(caption);
    control.setAccessibleName(match.captured(1));
    QStringList description;
    if (match.hasCaptured(2)) {
        description << QStringLiteral("单位：") + unitInWords(match.captured(2));
    }
    if (!hint.isEmpty()) {
        description << hint;
    }
    control.setAccessibleDescription(description.join(QStringLiteral("；")));
}

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    exposeAs(*this, QAccessible::Notification);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& message) {
    setAccessibleName(message);
    // AT-SPI readers speak a notification when it is shown; the hide lets the same words be
    // shown, and so spoken, again.
    hide();
    show();
    // UI Automation raises a notification event for a value change that carries text.
    QAccessibleValueChangeEvent spoken(this, message);
    QAccessible::updateAccessibility(&spoken);
}

} // namespace ui::shell
