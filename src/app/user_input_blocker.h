#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// While it lives, the window and the windows it owns (but not its dialogs)
// take no mouse or keyboard input and it cannot be closed, but all still
// paint; other windows, such as message boxes, take input as usual. A close asked for meanwhile is
// kept: the window closes once the blocker is gone and control is back in the event loop. The
// keyboard focus, which a click moves before any filter sees it, goes back
// where it was.
class UserInputBlocker : public QObject {
    Q_OBJECT

public:
    explicit UserInputBlocker(QWidget *window);
    ~UserInputBlocker() override;

    // Whether a blocker holds the window now.
    static bool blocks(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPointer<QWidget> m_focus;
    bool m_closeRequested = false;
};
