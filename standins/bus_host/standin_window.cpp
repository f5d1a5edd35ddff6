#include "standin_window.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace standin {

namespace {
constexpr int ChangesIntervalMs = 100;
} // namespace

StandinWindow::StandinWindow(HostModel &host, QWidget *parent)
    : QMainWindow(parent)
    , m_host(host)
    , m_model(host)
    , m_view(new QTableView(this))
    , m_programLabel(new QLabel(this))
    , m_callLabel(new QLabel(this)) {
    setWindowTitle(QStringLiteral("ORVANTO stand-in"));
    m_view->setModel(&m_model);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    setCentralWidget(m_view);

    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Part program"));
    QAction *newAction = menu->addAction(QStringLiteral("&New part program..."), this,
                                         &StandinWindow::newPartProgram);
    m_closeAction = menu->addAction(QStringLiteral("&Close part program"), this, [this] {
        m_host.closePartProgram();
        showPartProgram();
    });
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    QToolBar *tools = addToolBar(QStringLiteral("Part program"));
    tools->addAction(newAction);
    tools->addAction(m_closeAction);

    statusBar()->addWidget(m_programLabel, 1);
    statusBar()->addPermanentWidget(m_callLabel);
    m_changesTimer.setSingleShot(true);
    m_changesTimer.setInterval(ChangesIntervalMs);
    connect(&m_changesTimer, &QTimer::timeout, this, &StandinWindow::showChanges);
    m_callLabel->setText(QStringLiteral("Calls: 0"));
    showPartProgram();
    resize(900, 420);
}

void StandinWindow::showCalls(int count) {
    // A run of calls is shown a few times a second, not repainted after each.
    m_callCount = count;
    if (!m_changesTimer.isActive())
        m_changesTimer.start();
}

void StandinWindow::showChanges() {
    m_callLabel->setText(QStringLiteral("Calls: %1").arg(m_callCount));
    m_model.refresh();
}

void StandinWindow::newPartProgram() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("New part program"), QStringLiteral("Name:"),
                              QLineEdit::Normal, QStringLiteral("Teil1"), &ok);
    if (ok) {
        m_host.openPartProgram(name.toStdString(), true);
        showPartProgram();
    }
}

void StandinWindow::showPartProgram() {
    m_model.refresh();
    const PartProgram *program = m_host.partProgram();
    m_programLabel->setText(program ? QStringLiteral("Part program: ") +
                                          QString::fromStdString(program->name())
                                    : QStringLiteral("No part program open"));
    m_closeAction->setEnabled(program != nullptr);
    m_view->resizeColumnsToContents();
    Q_EMIT partProgramReplaced();
}

} // namespace standin
