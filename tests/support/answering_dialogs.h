#pragma once

#include "user_dialogs.h"

#include <QQueue>
#include <QStringList>

// Answers the window's dialogs without a person: records every message and
// hands out queued file names (the empty text stands for a cancelled dialog).
class AnsweringDialogs : public vandelor::UserDialogs {
public:
    void showMessage(QWidget *, const QString &text) override { messages.append(text); }

    QString askOpenFileName(QWidget *, const QString &filter, const QString &) override {
        filters.append(filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList messages;
    QStringList filters;
    QQueue<QString> fileNames;
};
