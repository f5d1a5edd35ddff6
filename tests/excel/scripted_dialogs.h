#pragma once

#include "user_dialogs.h"

#include <QStringList>

// Answers the window's dialogs from a script and keeps what they showed.
class ScriptedDialogs final : public vandelor::UserDialogs {
public:
    QStringList fileNames; // answers to the open-file dialogs, in order
    QStringList filters;
    QStringList messages;

    void showMessage(QWidget *, const QString &text) override { messages << text; }
    QString askOpenFileName(QWidget *, const QString &filter, const QString &) override
    {
        filters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
