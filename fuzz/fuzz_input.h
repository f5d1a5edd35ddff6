#pragma once

#include "points/point_table.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace vandelor::fuzz {

// The fuzzer's bytes as an open device, without a copy.
class InputFile {
public:
    InputFile(const std::uint8_t *data, std::size_t size)
        : m_bytes(QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                          static_cast<qsizetype>(size)))
        , m_buffer(&m_bytes) {
        m_buffer.open(QIODevice::ReadOnly);
    }
    QIODevice &device() { return m_buffer; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
};

// Stops the run when a property every import keeps is broken.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}

// After an import of n points the table holds the head row and n rows.
inline void requireRowsFor(const PointTable &table, int points) {
    require(table.rowCount() == std::max(points + 1, PointTable::StartRowCount));
}

} // namespace vandelor::fuzz
