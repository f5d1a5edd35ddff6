#pragma once

#include <QByteArrayView>
#include <QString>

namespace vandelor {

// Appends the bytes, read as Windows-1252, to text. The five bytes that
// code page leaves undefined keep their value as a code point, as Windows
// itself converts them.
void appendWindows1252(QByteArrayView bytes, QString &text);

} // namespace vandelor
