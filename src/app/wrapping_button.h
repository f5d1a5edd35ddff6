#pragma once

#include <QPushButton>

namespace vandelor {

// A push button whose caption wraps at word boundaries inside the button,
// as the fixed layout expects for its longer captions.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // The area the caption is laid out in.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vandelor
