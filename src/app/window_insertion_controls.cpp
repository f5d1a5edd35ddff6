#include "app/window_insertion_controls.h"

#include "app/user_dialogs.h"
#include "points/umwandeln.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>

namespace vandelor {

WindowInsertionControls::WindowInsertionControls(Boxes boxes, Choices choices,
                                                 QProgressBar *progressBar,
                                                 NumberSeparators separators, UserDialogs &dialogs,
                                                 QWidget *dialogParent)
    : m_boxes(std::move(boxes))
    , m_choices(std::move(choices))
    , m_progressBar(progressBar)
    , m_separators(separators)
    , m_dialogs(dialogs)
    , m_dialogParent(dialogParent) {}

// A setting the window gave no control for is a mistake in the window:
// at() throws rather than reading a control that is not there.

QString WindowInsertionControls::text(insert::Box which) const {
    return m_boxes.at(which)->text();
}

void WindowInsertionControls::setText(insert::Box which, const QString &text) {
    m_boxes.at(which)->setText(text);
}

bool WindowInsertionControls::isSet(insert::Choice which) const {
    return m_choices.at(which)->isChecked();
}

float WindowInsertionControls::progress() const {
    // The bar shows whole steps; the run adds fractions, kept here as long as
    // nothing else has moved the bar.
    const int shown = m_progressBar->value();
    return static_cast<int>(m_progress) == shown ? m_progress : static_cast<float>(shown);
}

void WindowInsertionControls::setProgress(float value) {
    m_progress = value;
    m_progressBar->setValue(static_cast<int>(value));
    QApplication::processEvents();
}

void WindowInsertionControls::showMessage(const QString &text) {
    m_dialogs.showMessage(m_dialogParent, text);
}

void WindowInsertionControls::normaliseDecimal(QString &text) const {
    Umwandeln(text);
}

NumberSeparators WindowInsertionControls::separators() const {
    return m_separators;
}

} // namespace vandelor
