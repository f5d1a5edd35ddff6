#include "app/window_accessible.h"

#include "app/frm_Steuerung.h"
#include "app/punktansicht/frm_Punktansicht.h"

#include <QAccessibleWidget>

namespace vandelor {

namespace {

QAccessibleInterface *windowAccessible(const QString &, QObject *object) {
    if (qobject_cast<frm_Steuerung *>(object) || qobject_cast<frm_Punktansicht *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installWindowAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vandelor
