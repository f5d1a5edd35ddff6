#pragma once

#include "host_model.h"

#include <QAbstractTableModel>

namespace standin {

// The commands of the open part program, one row each: position, type code, ID (the
// text of field 2, index 0) and every field as written.
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
    const HostModel &m_host;
};

} // namespace standin
