#include "app/caption.h"

namespace vandelor {

QString windowCaption(int major, int /*minor*/, int revision) {
    return QStringLiteral("Vandelor  V %1.%2").arg(major).arg(revision);
}

} // namespace vandelor
