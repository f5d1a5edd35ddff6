#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace vandelor {

// Takes a click anywhere in its laid-out rectangle, not only on the
// indicator and the caption, as the layout's platform does.
template <typename Button> class WholeAreaButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint &position) const override {
        return this->rect().contains(position);
    }
};

using LayoutCheckBox = WholeAreaButton<QCheckBox>;

// An option of a group: of the group only the selected option is a tab
// stop; the arrow keys move the selection within the group.
class LayoutOption : public WholeAreaButton<QRadioButton> {
public:
    LayoutOption(const QString &text, QWidget *parent);
};

} // namespace vandelor
