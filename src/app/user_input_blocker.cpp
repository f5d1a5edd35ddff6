#include "app/user_input_blocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

bool ownedBy(const QWidget *window, const QWidget *owner) {
    for (const QWidget *parent = window->parentWidget(); parent; parent = parent->parentWidget())
        if (parent == owner)
            return true;
    return false;
}

QList<const QWidget *> &blockedWindows() {
    static QList<const QWidget *> windows;
    return windows;
}

} // namespace

UserInputBlocker::UserInputBlocker(QWidget *window)
    : m_window(window)
    , m_focus(window->focusWidget()) {
    QCoreApplication::instance()->installEventFilter(this);
    blockedWindows().append(window);
}

UserInputBlocker::~UserInputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
    blockedWindows().removeOne(m_window);
    if (m_focus && m_window->focusWidget() != m_focus)
        m_focus->setFocus(Qt::OtherFocusReason);
    if (m_closeRequested)
        QMetaObject::invokeMethod(m_window, &QWidget::close, Qt::QueuedConnection);
}

bool UserInputBlocker::blocks(const QWidget *window) {
    return blockedWindows().contains(window);
}

bool UserInputBlocker::eventFilter(QObject *watched, QEvent *event) {
    if (!isUserInput(event->type()) || !watched->isWidgetType())
        return false;
    const QWidget *window = static_cast<QWidget *>(watched)->window();
    if (window != m_window) {
        // The window's own tool windows, such as the point view, take no
        // input either, and may close; its dialogs and message boxes answer.
        if (event->type() == QEvent::Close || window->isModal() || !ownedBy(window, m_window))
            return false;
    } else if (event->type() == QEvent::Close) {
        // A refused close must say so, or the window closes all the same.
        m_closeRequested = true;
    }
    event->ignore();
    return true;
}
