#pragma once

#include "host_model.h"

#include <QObject>
#include <QString>

namespace standin {

// Keeps a file holding the listing of the open part program, rewritten whole after
// every change so a reader never sees half a listing.
class ListingFile : public QObject {
    Q_OBJECT

public:
    ListingFile(const HostModel &model, QString path, QObject *parent = nullptr);

    // Whether the last write succeeded.
    bool write();

private:
    const HostModel &m_model;
    QString m_path;
    bool m_warned = false;
};

} // namespace standin
