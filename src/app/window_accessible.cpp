#include "app/window_accessible.h"

#include "app/frm_Steuerung.h"

#include <QAccessibleWidget>

namespace vandelor {

namespace {

QAccessibleInterface *windowAccessible(const QString &, QObject *object) {
    auto *window = qobject_cast<frm_Steuerung *>(object);
    if (window == nullptr)
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
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
