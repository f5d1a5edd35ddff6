#pragma once

#include "host_model.h"

#include <QAbstractTableModel>

namespace standin {

// The commands of the open part program, one row each: position, type code, ID (the
// text of field 2, index 0) and every field as written. The view hears of changes
// when refresh() is called.
class CommandTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { PositionColumn, TypeColumn, IdColumn, FieldsColumn, ColumnCount };

    explicit CommandTableModel(const HostModel &host, QObject *parent = nullptr);

    // Tells the view what changed since the last refresh.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int commandCount() const;
    // The part program the view shows: its serial, 0 for none.
    int programSerial() const;

    const HostModel &m_host;
    int m_shownSerial = 0;
    int m_shownRows = 0;
    quint64 m_shownRevision = 0;
};

} // namespace standin
