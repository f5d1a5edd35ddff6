#include "dimension_group.h"

#include <functional>

namespace vandelor::insert {

namespace {

constexpr qint32 OpeningType = 1000;
constexpr qint32 ClosingType = 1001;
constexpr qint32 XAxisType = 1002;
constexpr qint32 YAxisType = 1003;
constexpr qint32 ZAxisType = 1004;
constexpr qint32 DeviationType = 1008;
constexpr qint32 VectorType = 1011;

// A zero deviation as the host writes it, three blanks in front.
const QString &zeroDeviation() {
    static const QString text = QStringLiteral("   0.000");
    return text;
}

void writeOpening(const RowContext &context) {
    CommandWriter &writer = context.writer;
    writer.add(OpeningType);
    const QString id = pointId(context);
    writer.putText(id, 2, 0);
    writer.putText(u'#' + id, 3, 0);
    writer.putText(QStringLiteral("AUS"), 162, 0);
    writer.putText(QStringLiteral("AUS"), 163, 0);
    writer.putText(QStringLiteral("1.00"), 164, 0);
    writer.putText(QStringLiteral("BEIDE"), 165, 0);
    writer.putText(QStringLiteral("MM"), 172, 0);
    writer.putText(QStringLiteral("0.000"), 181, 0);
    writer.redraw();
}

// An axis or deviation command: the nominal text (an axis cell, or zero for
// the deviation T) goes into the nominal fields, the tolerances between them.
void writeMeasurement(const RowContext &context, qint32 typeCode,
                      const std::function<QString()> &nominal) {
    CommandWriter &writer = context.writer;
    InsertionControls &controls = context.controls;
    writer.add(typeCode);
    writer.putText(nominal(), 166, 0);
    writer.putText(nominal(), 328, 0);
    writer.putText(controls.text(Box::UpperTolerance), 167, 0);
    writer.putText(controls.text(Box::LowerTolerance), 168, 0);
    writer.putText(nominal(), 332, 0);
    writer.putText(nominal(), 336, 0);
    writer.putText(zeroDeviation(), 340, 0);
    writer.putText(zeroDeviation(), 344, 0);
    writer.redraw();
}

void writeAxis(const RowContext &context, qint32 typeCode, int column) {
    writeMeasurement(context, typeCode, [&context, column] { return context.cell(column); });
}

void writeVector(const RowContext &context) {
    CommandWriter &writer = context.writer;
    writer.add(VectorType);
    writer.putText(context.cell(4), 25, 0);
    writer.putText(context.cell(5), 26, 0);
    writer.putText(context.cell(6), 27, 0);
    writer.redraw();
}

} // namespace

void writeDimensionGroup(const RowContext &context) {
    InsertionControls &controls = context.controls;
    if (!controls.isSet(Choice::Dimensions))
        return;
    writeOpening(context);
    if (controls.isSet(Choice::DimensionX))
        writeAxis(context, XAxisType, 1);
    if (controls.isSet(Choice::DimensionY))
        writeAxis(context, YAxisType, 2);
    if (controls.isSet(Choice::DimensionZ))
        writeAxis(context, ZAxisType, 3);
    if (controls.isSet(Choice::DimensionVector))
        writeVector(context);
    if (controls.isSet(Choice::DimensionDeviation))
        writeMeasurement(context, DeviationType, [] { return zeroDeviation(); });
    context.writer.add(ClosingType);
}

} // namespace vandelor::insert
