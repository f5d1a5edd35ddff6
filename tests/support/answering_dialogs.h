#pragma once

#include "app/user_dialogs.h"

#include <QQueue>
#include <QStringList>

#include <functional>

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

    QStringList messages;
    QStringList filters;
    QStringList preselections;
    QQueue<QString> fileNames;
    int saveFilter = 0;
    // What the user does while a message is shown.
    std::function<void()> onMessage;
};
