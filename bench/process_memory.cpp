#include "process_memory.h"

#include <QFile>

namespace vandelor::bench {

namespace {
qint64 statusKilobytes(QByteArrayView field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').first().toLongLong();
    return -1;
}
} // namespace

qint64 residentBytes() {
    return statusKilobytes("VmRSS:") * 1024;
}

qint64 peakResidentBytes() {
    return statusKilobytes("VmHWM:") * 1024;
}

bool resetPeakResident() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace vandelor::bench
