// A file dropped from a file manager onto the window is read by the import
// its ending names, as if it had been chosen in that import's dialog.

#include "app/frm_Steuerung.h"

#include "app/point_imports.h"
#include "app/user_input_blocker.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace vandelor {

void frm_Steuerung::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frm_Steuerung::dropEvent(QDropEvent *event) {
    if (!event->mimeData()->hasUrls())
        return;
    event->acceptProposedAction();
    // The file manager waits until the drop returns: the file is read, and any
    // message shown, once it has let go. A run begun meanwhile refuses it, as
    // it refuses a drop.
    QMetaObject::invokeMethod(
        this,
        [this, urls = event->mimeData()->urls()] {
            if (!UserInputBlocker::blocks(this))
                Form_OLEDragDrop(urls);
        },
        Qt::QueuedConnection);
}

void frm_Steuerung::Form_OLEDragDrop(const QList<QUrl> &urls) {
    m_imports->importDropped(urls);
}

} // namespace vandelor
