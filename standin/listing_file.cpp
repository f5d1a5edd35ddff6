#include "listing_file.h"

#include "listing.h"

#include <QSaveFile>

#include <cstdio>

namespace standin {

ListingFile::ListingFile(const HostModel &model, QString path, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_path(std::move(path)) {
    connect(&model, &HostModel::changed, this, &ListingFile::write);
}

bool ListingFile::write() {
    QSaveFile file(m_path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(listingText(m_model.partProgram()).toUtf8()) >= 0 &&
                         file.commit();
    if (!written && !m_warned) {
        std::fprintf(stderr, "orvanto-standin: can't write the listing to %s: %s\n",
                     qPrintable(m_path), qPrintable(file.errorString()));
        m_warned = true;
    }
    return written;
}

} // namespace standin
