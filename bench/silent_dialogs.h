#pragma once

#include "app/user_dialogs.h"

#include <cstdio>

// Dialogs for a benchmark: messages go to the error output, no file is chosen.
class SilentDialogs : public vandelor::UserDialogs {
public:
    void showMessage(QWidget *, const QString &text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QString askOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString askSaveFileName(QWidget *, const QString &, int &) override { return {}; }
    vandelor::ColumnAssignmentAnswer askColumnAssignment(QWidget *, const QStringList &,
                                                         vandelor::ColumnAssignment &) override {
        return vandelor::ColumnAssignmentAnswer::Cancel;
    }
};
