#include "platform/qt/field_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace vorrelin {

// The menu is Qt's standard one, made for each opening and deleted once closed, as Qt does.
void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (event->reason() == QContextMenuEvent::Keyboard) {
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) {
                menu->setActiveAction(action);
                break;
            }
        }
    }
    menu->popup(event->globalPos());
}

} // namespace vorrelin
