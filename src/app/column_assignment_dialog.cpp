#include "app/column_assignment_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace vandelor {

namespace {

// The roles in the order of the table's columns, "nicht lesen" last.
constexpr std::array Roles{u"ID", u"X",     u"Y",     u"Z",     u"I",          u"J",
                           u"K",  u"I Obf", u"J Obf", u"K Obf", u"nicht lesen"};
constexpr int NotRead = static_cast<int>(Roles.size()) - 1;

int roleIndex(int column) {
    return column >= 0 && column < NotRead ? column : NotRead;
}

} // namespace

ColumnAssignmentDialog::ColumnAssignmentDialog(const QStringList &lines,
                                               const ColumnAssignment &assignment, QWidget *parent)
    : QDialog(parent)
    , m_lines(lines) {
    setWindowTitle(QStringLiteral("Spalten zuordnen"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("separator"));
    m_separator->addItems({QStringLiteral("Semikolon ;"), QStringLiteral("Tabulator"),
                           QStringLiteral("Komma ,"), QStringLiteral("Leerzeichen")});
    m_separator->setCurrentIndex(static_cast<int>(assignment.separator));
    form->addRow(QStringLiteral("Trennzeichen:"), m_separator);
    m_decimalComma = new QCheckBox(QStringLiteral("Dezimalkomma"), this);
    m_decimalComma->setObjectName(QStringLiteral("decimalComma"));
    m_decimalComma->setChecked(assignment.decimalComma);
    form->addRow(m_decimalComma);
    m_skipped = new QSpinBox(this);
    m_skipped->setObjectName(QStringLiteral("skippedLines"));
    m_skipped->setRange(0, static_cast<int>(lines.size()));
    m_skipped->setValue(assignment.skippedLines);
    form->addRow(QStringLiteral("Zeilen überspringen:"), m_skipped);
    layout->addLayout(form);
    m_roleGrid = new QGridLayout;
    layout->addLayout(m_roleGrid);
    m_preview = new QTableWidget(this);
    m_preview->setAccessibleName(QStringLiteral("Die ersten Zeilen der Datei"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_preview);
    m_problem = new QLabel(this);
    layout->addWidget(m_problem);
    auto *buttons = new QDialogButtonBox(this);
    m_apply = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    QPushButton *asBefore =
        buttons->addButton(QStringLiteral("Wie bisher lesen"), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        m_answer = ColumnAssignmentAnswer::Apply;
        accept();
    });
    connect(asBefore, &QPushButton::clicked, this, [this] {
        m_answer = ColumnAssignmentAnswer::AsBefore;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_separator, &QComboBox::currentIndexChanged, this,
            &ColumnAssignmentDialog::separatorChanged);
    connect(m_decimalComma, &QCheckBox::toggled, this, &ColumnAssignmentDialog::check);
    connect(m_skipped, &QSpinBox::valueChanged, this, &ColumnAssignmentDialog::check);
    showColumns(assignment.columns);
    m_apply->setDefault(true);
    resize(720, 520); // ten columns in view
}

ColumnAssignment ColumnAssignmentDialog::assignment() const {
    ColumnAssignment assignment;
    assignment.separator = static_cast<FieldSeparator>(m_separator->currentIndex());
    assignment.decimalComma = m_decimalComma->isChecked();
    assignment.skippedLines = m_skipped->value();
    for (const QComboBox *role : m_roles)
        assignment.columns.append(role->currentIndex() == NotRead ? -1 : role->currentIndex());
    return assignment;
}

void ColumnAssignmentDialog::separatorChanged() {
    const auto separator = static_cast<FieldSeparator>(m_separator->currentIndex());
    showColumns(guessedColumns(m_lines, separator, m_skipped->value()));
}

void ColumnAssignmentDialog::showColumns(QList<int> columns) {
    const auto separator = static_cast<FieldSeparator>(m_separator->currentIndex());
    // An assignment made for another file of the same first line may have
    // fewer columns than these lines: the others are offered unread.
    for (const QString &line : std::as_const(m_lines))
        columns.resize(std::max(columns.size(), assignedFields(line, separator).size()), -1);
    m_roles.clear();
    while (QLayoutItem *item = m_roleGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_preview->clear();
    m_preview->setRowCount(static_cast<int>(m_lines.size()));
    m_preview->setColumnCount(static_cast<int>(columns.size()));
    for (int line = 0; line < m_lines.size(); ++line) {
        const QStringList fields = assignedFields(m_lines[line], separator);
        for (int field = 0; field < fields.size() && field < columns.size(); ++field)
            m_preview->setItem(line, field, new QTableWidgetItem(fields[field]));
    }
    for (int field = 0; field < columns.size(); ++field) {
        auto *role = new QComboBox(this);
        role->setObjectName(QStringLiteral("role%1").arg(field + 1));
        for (const char16_t *name : Roles)
            role->addItem(QString::fromUtf16(name));
        role->setCurrentIndex(roleIndex(columns[field]));
        auto *label = new QLabel(QStringLiteral("Spalte %1").arg(field + 1), this);
        label->setBuddy(role);
        role->setAccessibleName(QStringLiteral("Rolle von Spalte %1").arg(field + 1));
        m_roleGrid->addWidget(label, 0, field);
        m_roleGrid->addWidget(role, 1, field);
        m_roles.append(role);
        connect(role, &QComboBox::currentIndexChanged, this, &ColumnAssignmentDialog::check);
    }
    m_preview->setHorizontalHeaderLabels([&] {
        QStringList heads;
        for (int field = 0; field < columns.size(); ++field)
            heads.append(QStringLiteral("Spalte %1").arg(field + 1));
        return heads;
    }());
    check();
}

void ColumnAssignmentDialog::check() {
    const ColumnAssignment chosen = assignment();
    QString twice;
    for (qsizetype field = 0; field < chosen.columns.size(); ++field) {
        const int column = chosen.columns[field];
        if (column >= 0 && chosen.columns.indexOf(column) != field && twice.isEmpty())
            twice = QString::fromUtf16(Roles[std::size_t(column)]);
        for (int line = 0; line < m_preview->rowCount(); ++line) {
            QTableWidgetItem *cell = m_preview->item(line, static_cast<int>(field));
            if (!cell)
                continue;
            const bool data = line >= chosen.skippedLines;
            const bool bad =
                data && column > 0 && !readsAsNumber(cell->text(), chosen.decimalComma);
            const QString why = bad ? QStringLiteral("Keine Zahl") : QString();
            cell->setBackground(bad ? QBrush(QColor(255, 200, 200)) : QBrush());
            cell->setForeground(data ? QBrush() : QBrush(Qt::gray));
            cell->setToolTip(why);
            cell->setData(Qt::AccessibleDescriptionRole, why);
        }
    }
    m_problem->setText(twice.isEmpty() ? QString()
                                       : QStringLiteral("Die Rolle „%1“ ist mehr als einer Spalte "
                                                        "zugeordnet.")
                                             .arg(twice));
    m_apply->setEnabled(twice.isEmpty());
}

} // namespace vandelor
