#include "insert/point_command.h"

#include "host/orvanto_names.h"
#include "points/coordinate_number.h"
#include "points/per_point_columns.h"

namespace vandelor::insert {

namespace {

namespace field = orvanto_facts::field;
namespace command_type = orvanto_facts::command_type;

// A yes/no setting: the answer's text and the field index that goes with it.
void putAnswer(CommandWriter &writer, bool yes, qint32 field) {
    if (yes)
        writer.putText(QStringLiteral("JA"), field, 1);
    else
        writer.putText(QStringLiteral("NEIN"), field, 0);
}

// Point, vector, ID and measuring settings, shared by both point kinds.
void writePointFields(const RowContext &context, const QString &id) {
    CommandWriter &writer = context.writer;
    InsertionControls &controls = context.controls;

    const QString x = context.cell(1);
    const QString y = context.cell(2);
    const std::optional<double> z = toCoordinate(context.cell(3));
    writer.putFeatureValues(host::orvanto::member::PutPoint, 0, x, y, z);

    const QString i = context.cell(4);
    const QString j = context.cell(5);
    const std::optional<double> k = toCoordinate(context.cell(6));
    writer.putFeatureValues(host::orvanto::member::PutVector, 1, i, j, k);

    writer.putText(u'#' + id, field::PointId, 0);
    writer.putText(QStringLiteral("NEIN"), field::AlwaysNo, 1);
    putAnswer(writer, controls.isSet(Choice::PointDetails), field::PointDetails);
    if (controls.isSet(Choice::ActualThickness))
        writer.putText(QStringLiteral("IST-STÄRKE"), field::ThicknessMode, 1);
    else
        writer.putText(QStringLiteral("THEO_STÄRKE"), field::ThicknessMode, 0);
    writer.putText(controls.text(Box::Thickness), field::Thickness, 1);
    writer.putText(QStringLiteral("KART"), field::CoordinateSystem, 0);
    putAnswer(writer, controls.isSet(Choice::SnapVector), field::SnapVector);
    writer.putText(QStringLiteral("KEINE"), field::AlwaysNone, 0);
    putAnswer(writer, controls.isSet(Choice::AutoMove), field::AutoMove);
    writer.putText(controls.text(Box::AutoMoveDistance), field::AutoMoveDistance, 1);
}

} // namespace

void writeVectorPoint(const RowContext &context, const QString &id) {
    context.writer.add(command_type::VectorPoint);
    writePointFields(context, id);
    context.writer.redraw();
}

void writeEdgePoint(const RowContext &context, const QString &id) {
    CommandWriter &writer = context.writer;
    InsertionControls &controls = context.controls;

    writer.add(command_type::EdgePoint);
    const QString surfaceI = context.cell(7);
    const QString surfaceJ = context.cell(8);
    const QString surfaceK = context.cell(9);
    writePointFields(context, id);

    writer.putText(controls.text(Box::EdgeDepth), field::EdgeDepth, 1);
    writer.putText(controls.text(Box::EdgeSpacing), field::EdgeSpacing, 1);
    writer.putText(controls.text(Box::EdgeIndent), field::EdgeIndent, 1);
    writer.putText(controls.text(Box::EdgeFirst), field::EdgeFirst, 0);
    const QString perm = controls.text(Box::EdgePerm);
    writer.putText(perm, field::EdgePerm, 0);
    if (const std::optional<double> value = toLocaleNumber(perm, controls.separators()))
        writer.setToggleString(*value + 1, field::EdgePerm, 0);
    else
        writer.markIncomplete();
    writer.putText(surfaceI, field::SurfaceI, 0);
    writer.putText(surfaceJ, field::SurfaceJ, 0);
    writer.putText(surfaceK, field::SurfaceK, 0);
    writer.redraw();
}

bool writePoint(const RowContext &context, const QString &id) {
    const per_point::Kind kind = per_point::kindOf(context.table, context.row);
    if (kind == per_point::Kind::Unknown) {
        context.writer.markIncomplete();
        return false;
    }
    if (kind == per_point::Kind::Vector ||
        (kind == per_point::Kind::WindowChoice && context.controls.isSet(Choice::VectorInsert)))
        writeVectorPoint(context, id);
    else
        writeEdgePoint(context, id);
    return true;
}

} // namespace vandelor::insert
