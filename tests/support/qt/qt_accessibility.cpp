#include "tests/support/qt/qt_window_test.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

template <class Enum>
QString keyOf(Enum value) {
    return QMetaEnum::fromType<Enum>().valueToKey(int(value));
}

} // namespace

HeardEvents::HeardEvents() {
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* object = event->accessibleInterface();
        const bool valueChanged = event->type() == QAccessible::ValueChanged;
        heard << keyOf(event->type()) + ' ' + keyOf(object->role()) + ' ' +
                     (valueChanged
                          ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                          : object->text(QAccessible::Name));
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

HeardEvents::~HeardEvents() {
    QAccessible::installUpdateHandler(nullptr);
}

QString accessibleSummary(const QWidget& window, const char* name) {
    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(name));
    const auto captions = control->relations(QAccessible::Label);
    return keyOf(control->role()) + ' ' + control->text(QAccessible::Name) + ' ' +
           control->text(QAccessible::Description) + " |" +
           (captions.isEmpty() ? "" : ' ' + captions[0].first->text(QAccessible::Name));
}
