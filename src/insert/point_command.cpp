#include "point_command.h"

#include "coordinate_number.h"
#include "orvanto_names.h"

namespace vandelor::insert {

namespace {

constexpr qint32 VectorPointType = 602;
constexpr qint32 EdgePointType = 604;

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

    writer.putText(u'#' + id, 2, 0);
    writer.putText(QStringLiteral("NEIN"), 236, 1);
    putAnswer(writer, controls.isSet(Choice::PointDetails), 136);
    if (controls.isSet(Choice::ActualThickness))
        writer.putText(QStringLiteral("IST-STÄRKE"), 41, 1);
    else
        writer.putText(QStringLiteral("THEO_STÄRKE"), 41, 0);
    writer.putText(controls.text(Box::Thickness), 77, 1);
    writer.putText(QStringLiteral("KART"), 39, 0);
    putAnswer(writer, controls.isSet(Choice::SnapVector), 43);
    writer.putText(QStringLiteral("KEINE"), 54, 0);
    putAnswer(writer, controls.isSet(Choice::AutoMove), 45);
    writer.putText(controls.text(Box::AutoMoveDistance), 79, 1);
}

} // namespace

void writeVectorPoint(const RowContext &context, const QString &id) {
    context.writer.add(VectorPointType);
    writePointFields(context, id);
    context.writer.redraw();
}

void writeEdgePoint(const RowContext &context, const QString &id) {
    CommandWriter &writer = context.writer;
    InsertionControls &controls = context.controls;

    writer.add(EdgePointType);
    const QString surfaceI = context.cell(7);
    const QString surfaceJ = context.cell(8);
    const QString surfaceK = context.cell(9);
    writePointFields(context, id);

    writer.putText(controls.text(Box::EdgeDepth), 78, 1);
    writer.putText(controls.text(Box::EdgeSpacing), 75, 1);
    writer.putText(controls.text(Box::EdgeIndent), 80, 1);
    writer.putText(controls.text(Box::EdgeFirst), 55, 0);
    const QString perm = controls.text(Box::EdgePerm);
    writer.putText(perm, 56, 0);
    if (const std::optional<double> value = toLocaleNumber(perm, controls.separators()))
        writer.setToggleString(*value + 1, 56, 0);
    else
        writer.markIncomplete();
    writer.putText(surfaceI, 112, 0);
    writer.putText(surfaceJ, 113, 0);
    writer.putText(surfaceK, 114, 0);
    writer.redraw();
}

} // namespace vandelor::insert
