#pragma once

#include "command_table_model.h"
#include "host_model.h"

#include <QLabel>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>

namespace standin {

// The stand-in's window: the open part program's commands, live, and the means to
// open a new part program or close it.
class StandinWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit StandinWindow(HostModel &host, QWidget *parent = nullptr);

    QTableView *commandView() const { return m_view; }

    // Shows the calls so far and what they changed, a few times a second.
    void showCalls(int count);

Q_SIGNALS:
    // The menu opened or closed a part program.
    void partProgramReplaced();

private:
    void showChanges();
    void newPartProgram();
    void showPartProgram();

    HostModel &m_host;
    CommandTableModel m_model;
    QTableView *m_view;
    QLabel *m_programLabel;
    QLabel *m_callLabel;
    int m_callCount = 0;
    QTimer m_changesTimer;
    QAction *m_closeAction;
};

} // namespace standin
