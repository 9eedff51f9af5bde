#include "platform/qt/accessible_role.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QString>
#include <QWidget>

namespace vorrelin {

namespace {

// The roles by class name. Qt asks a factory for an object's class first, then for each class
// it is made from.
QHash<QString, QAccessible::Role>& Roles() {
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface* WidgetInItsRole(const QString& className, QObject* object) {
    const auto role = Roles().constFind(className);
    if (role == Roles().constEnd() || !object->isWidgetType()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), *role);
}

} // namespace

void SetAccessibleRole(const QMetaObject& widgetClass, QAccessible::Role role) {
    if (Roles().isEmpty()) {
        QAccessible::installFactory(WidgetInItsRole);
    }
    Roles().insert(QString::fromLatin1(widgetClass.className()), role);
}

} // namespace vorrelin
