#include "insert/row_context.h"

namespace vandelor::insert {

QString pointId(const RowContext &context) {
    if (context.controls.isSet(Choice::IdsFromFile))
        return context.cell(0);
    return context.controls.text(Box::PointName) + context.controls.text(Box::StartNumber);
}

} // namespace vandelor::insert
