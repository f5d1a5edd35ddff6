#pragma once

#include "insertion_controls.h"
#include "locale_number.h"
#include "umwandeln.h"

#include <QHash>
#include <QList>
#include <QStringList>

// The window as the insertion run sees it, with the layout's defaults and its
// rules: a tolerance box takes only numbers (anything else becomes "0" with
// the window's message) and is normalised by Umwandeln. Every message and
// progress value is recorded.
class ScriptedControls : public vandelor::insert::InsertionControls {
public:
    using Box = vandelor::insert::Box;
    using Choice = vandelor::insert::Choice;

    QString text(Box box) const override { return texts.value(box); }
    void setText(Box box, const QString &text) override {
        texts[box] = text;
        if ((box == Box::OTOL || box == Box::UTOL) &&
            !vandelor::isLocaleNumber(text, separators())) {
            showMessage(QStringLiteral("Bitte nur Zahlen eingeben"));
            texts[box] = QStringLiteral("0");
        }
    }
    bool isSet(Choice choice) const override { return choices.contains(choice); }
    float progress() const override { return progressValue; }
    void setProgress(float value) override {
        progressValue = value;
        progressSteps.append(value);
    }
    void showMessage(const QString &text) override { messages.append(text); }
    void normaliseDecimal(QString &text) const override { vandelor::Umwandeln(text); }
    vandelor::NumberSeparators separators() const override { return {u',', u'.'}; }

    void set(Choice choice, bool on) {
        choices.removeAll(choice);
        if (on)
            choices.append(choice);
    }

    QHash<Box, QString> texts{
        {Box::pid, QStringLiteral("VP")},        {Box::pstart, QStringLiteral("1")},
        {Box::OTOL, QStringLiteral("0,1")},      {Box::UTOL, QStringLiteral("0,1")},
        {Box::txt_Staerke, QStringLiteral("0")}, {Box::Bewegung, QStringLiteral("10")},
        {Box::txt_Erste, QStringLiteral("1")},   {Box::txt_Perm, QStringLiteral("1")},
        {Box::txt_Einzug, QStringLiteral("2")},  {Box::txt_Abstand, QStringLiteral("2")},
        {Box::txt_Tiefe, QStringLiteral("2")}};
    QList<Choice> choices{Choice::Option3, Choice::Option9, Choice::Option11};
    float progressValue = 0;
    QList<float> progressSteps;
    QStringList messages;
};
