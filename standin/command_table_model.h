#pragma once

#include "host_model.h"

#include <QAbstractTableModel>
#include <QTimer>

namespace standin {

// The commands of the open part program, one row each: position, type code, ID (the
// text of field 2, index 0) and every field as written. Changes reach the view a
// few times a second.
class CommandTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { PositionColumn, TypeColumn, IdColumn, FieldsColumn, ColumnCount };

    explicit CommandTableModel(const HostModel &host, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int commandCount() const;
    void markChanged(int row);
    void announceChanges();

    const HostModel &m_host;
    // The commands the view knows of; new ones are announced with the changes.
    int m_shownRows = 0;
    // The first row changed since the view last heard of changes; -1 for none.
    int m_firstChangedRow = -1;
    QTimer m_announceTimer;
};

} // namespace standin
