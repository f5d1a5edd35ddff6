#pragma once

#include "insert/insertion_controls.h"
#include "points/locale_number.h"
#include "points/tolerance_text.h"
#include "points/umwandeln.h"

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
        if ((box == Box::UpperTolerance || box == Box::LowerTolerance) &&
            !vandelor::isToleranceInput(text, separators())) {
            showMessage(vandelor::notANumberMessage());
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
        {Box::PointName, QStringLiteral("VP")},       {Box::StartNumber, QStringLiteral("1")},
        {Box::UpperTolerance, QStringLiteral("0,1")}, {Box::LowerTolerance, QStringLiteral("0,1")},
        {Box::Thickness, QStringLiteral("0")},        {Box::AutoMoveDistance, QStringLiteral("10")},
        {Box::EdgeFirst, QStringLiteral("1")},        {Box::EdgePerm, QStringLiteral("1")},
        {Box::EdgeIndent, QStringLiteral("2")},       {Box::EdgeSpacing, QStringLiteral("2")},
        {Box::EdgeDepth, QStringLiteral("2")}};
    QList<Choice> choices{Choice::PointDetails, Choice::IdsFromFile, Choice::VectorInsert};
    float progressValue = 0;
    QList<float> progressSteps;
    QStringList messages;
};
