#include "app/layout_buttons.h"

namespace vandelor {

LayoutOption::LayoutOption(const QString &text, QWidget *parent)
    : WholeAreaButton<QRadioButton>(text, parent) {
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QRadioButton::toggled, this,
            [this](bool selected) { setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus); });
}

} // namespace vandelor
