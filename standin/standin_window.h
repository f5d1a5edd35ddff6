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

public Q_SLOTS:
    void showCallCount(int count);

private:
    void newPartProgram();
    void showPartProgram();

    HostModel &m_host;
    CommandTableModel m_model;
    QTableView *m_view;
    QLabel *m_programLabel;
    QLabel *m_callLabel;
    int m_callCount = 0;
    QTimer m_callCountTimer;
    QAction *m_closeAction;
};

} // namespace standin
