#pragma once

#include "insert/insertion_controls.h"

#include <map>

class QAbstractButton;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace vandelor {

class UserDialogs;

// The window's controls as the insertion run reads and writes them. The
// window gives the box and the choice that holds each setting; this class
// knows none of them by name.
class WindowInsertionControls final : public insert::InsertionControls {
public:
    using Boxes = std::map<insert::Box, QLineEdit *>;
    using Choices = std::map<insert::Choice, QAbstractButton *>;

    // Messages are shown over the dialog parent.
    WindowInsertionControls(Boxes boxes, Choices choices, QProgressBar *progressBar,
                            NumberSeparators separators, UserDialogs &dialogs,
                            QWidget *dialogParent);

    QString text(insert::Box which) const override;
    void setText(insert::Box which, const QString &text) override;
    bool isSet(insert::Choice which) const override;
    float progress() const override;
    void setProgress(float value) override;
    void showMessage(const QString &text) override;
    void normaliseDecimal(QString &text) const override;
    NumberSeparators separators() const override;

private:
    Boxes m_boxes;
    Choices m_choices;
    QProgressBar *m_progressBar;
    NumberSeparators m_separators;
    UserDialogs &m_dialogs;
    QWidget *m_dialogParent;
    // The progress of a run, with the fractions the bar cannot show.
    float m_progress = 0;
};

} // namespace vandelor
