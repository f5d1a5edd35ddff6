#pragma once

#include "app/user_dialogs.h"

#include <QQueue>
#include <QStringList>

#include <functional>
#include <optional>

// Answers the window's dialogs without a person: records every message and
// hands out queued file names (the empty text stands for a cancelled dialog).
class AnsweringDialogs : public vandelor::UserDialogs {
public:
    void showMessage(QWidget *, const QString &text) override {
        messages.append(text);
        if (onMessage)
            onMessage();
    }

    QString askOpenFileName(QWidget *, const QString &filter, const QString &preselected) override {
        filters.append(filter);
        preselections.append(preselected);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QString askSaveFileName(QWidget *, const QString &, int &chosenFilter) override {
        chosenFilter = saveFilter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    vandelor::ColumnAssignmentAnswer
    askColumnAssignment(QWidget *, const QStringList &lines,
                        vandelor::ColumnAssignment &assignment) override {
        assignmentLines.append(lines);
        offeredAssignments.append(assignment);
        if (assignmentAnswer == vandelor::ColumnAssignmentAnswer::Apply && chosenAssignment)
            assignment = *chosenAssignment;
        return assignmentAnswer;
    }

    QStringList messages;
    QStringList filters;
    QStringList preselections;
    QQueue<QString> fileNames;
    int saveFilter = 0;
    // "Spalten zuordnen": the lines and assignments offered, the answer and
    // the assignment the user sets (none: the one offered).
    QList<QStringList> assignmentLines;
    QList<vandelor::ColumnAssignment> offeredAssignments;
    vandelor::ColumnAssignmentAnswer assignmentAnswer = vandelor::ColumnAssignmentAnswer::Apply;
    std::optional<vandelor::ColumnAssignment> chosenAssignment;
    // What the user does while a message is shown.
    std::function<void()> onMessage;
};
