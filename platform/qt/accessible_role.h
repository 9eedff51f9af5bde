#pragma once

#include <QAccessible>
#include <QMetaObject>

namespace vorrelin {

// Tells screen readers that every widget of a class, and of the classes made from it, plays a
// role other than the one Qt gives a plain widget, and offers the widget's own actions, the
// commands of its menu, as its actions.
void SetAccessibleRole(const QMetaObject& widgetClass, QAccessible::Role role);

} // namespace vorrelin
