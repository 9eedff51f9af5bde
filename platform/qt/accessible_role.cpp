#include "platform/qt/accessible_role.h"

#include <QAccessibleWidget>
#include <QAction>
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

// A widget in its role, whose actions are those of its menu, by their spoken texts (the
// actions' icon texts), in the menu's order. An action runs once the screen reader's request is
// answered, as one that opens a dialog would otherwise hold the screen reader until it closed.
class WidgetInItsRole : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override {
        QStringList names;
        for (const QAction* action : widget()->actions()) {
            names << action->iconText();
        }
        return names;
    }

    void doAction(const QString& name) override {
        for (QAction* action : widget()->actions()) {
            if (action->iconText() == name) {
                QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
                return;
            }
        }
    }
};

QAccessibleInterface* InItsRole(const QString& className, QObject* object) {
    const auto role = Roles().constFind(className);
    if (role == Roles().constEnd() || !object->isWidgetType()) {
        return nullptr;
    }
    return new WidgetInItsRole(static_cast<QWidget*>(object), *role);
}

} // namespace

void SetAccessibleRole(const QMetaObject& widgetClass, QAccessible::Role role) {
    if (Roles().isEmpty()) {
        QAccessible::installFactory(InItsRole);
    }
    Roles().insert(QString::fromLatin1(widgetClass.className()), role);
}

} // namespace vorrelin
