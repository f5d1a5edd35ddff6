#pragma once

#include <QObject>

class QWidget;

// While it lives, the window takes no mouse or keyboard input and cannot be
// closed, but still paints; other windows, such as message boxes, take
// input as usual. A close asked for meanwhile is kept: the window closes
// once the blocker is gone and control is back in the event loop.
class UserInputBlocker : public QObject {
    Q_OBJECT

public:
    explicit UserInputBlocker(QWidget *window);
    ~UserInputBlocker() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_closeRequested = false;
};
