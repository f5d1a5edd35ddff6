#pragma once

#include <QProcessEnvironment>

namespace vandelor {

// The environment the office is started in: ours, with a UTF-8 locale where
// ours has none, so that the office maps file names with any letters to the
// same bytes as we do.
QProcessEnvironment officeEnvironment(const QProcessEnvironment &ours);

} // namespace vandelor
