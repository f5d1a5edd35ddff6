#include "row_context.h"

namespace vandelor::insert {

QString pointId(const RowContext &context) {
    if (context.controls.isSet(Choice::Option9))
        return context.cell(0);
    return context.controls.text(Box::pid) + context.controls.text(Box::pstart);
}

} // namespace vandelor::insert
