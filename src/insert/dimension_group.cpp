#include "insert/dimension_group.h"

#include "host/facts/orvanto_facts.h"
#include "points/per_point_columns.h"
#include "points/tolerance_text.h"

#include <functional>
#include <optional>
#include <utility>

namespace vandelor::insert {

namespace {

namespace field = orvanto_facts::field;
namespace command_type = orvanto_facts::command_type;

// A zero deviation as the host writes it, three blanks in front.
const QString &zeroDeviation() {
    static const QString text = QStringLiteral("   0.000");
    return text;
}

void writeOpening(const RowContext &context) {
    CommandWriter &writer = context.writer;
    writer.add(command_type::DimensionOpening);
    const QString id = pointId(context);
    writer.putText(id, field::DimensionName, 0);
    writer.putText(u'#' + id, field::DimensionedPoint, 0);
    writer.putText(QStringLiteral("AUS"), field::FirstOff, 0);
    writer.putText(QStringLiteral("AUS"), field::SecondOff, 0);
    writer.putText(QStringLiteral("1.00"), field::Factor, 0);
    writer.putText(QStringLiteral("BEIDE"), field::BothSides, 0);
    writer.putText(QStringLiteral("MM"), field::Units, 0);
    writer.putText(QStringLiteral("0.000"), field::OpeningZero, 0);
    writer.redraw();
}

struct Tolerances {
    QString upper;
    QString lower;
};

// The tolerance a row's cell gives, or the box's where the cell is empty.
std::optional<QString> toleranceOfRow(const RowContext &context, int column, Box box) {
    QString text = per_point::toleranceOf(context.table, context.row, column);
    if (text.isEmpty())
        return context.controls.text(box);
    context.controls.normaliseDecimal(text);
    if (!isCompleteTolerance(text, context.controls.separators()))
        return std::nullopt;
    return text;
}

std::optional<Tolerances> tolerancesOfRow(const RowContext &context) {
    std::optional<QString> upper =
        toleranceOfRow(context, per_point::UpperToleranceColumn, Box::UpperTolerance);
    std::optional<QString> lower =
        toleranceOfRow(context, per_point::LowerToleranceColumn, Box::LowerTolerance);
    if (!upper || !lower)
        return std::nullopt;
    return Tolerances{std::move(*upper), std::move(*lower)};
}

// An axis or deviation command: the nominal text (an axis cell, or zero for
// the deviation T) goes into the nominal fields, the tolerances between them.
void writeMeasurement(const RowContext &context, const Tolerances &tolerances, qint32 typeCode,
                      const std::function<QString()> &nominal) {
    CommandWriter &writer = context.writer;
    writer.add(typeCode);
    writer.putText(nominal(), field::FirstNominal, 0);
    writer.putText(nominal(), field::SecondNominal, 0);
    writer.putText(tolerances.upper, field::UpperTolerance, 0);
    writer.putText(tolerances.lower, field::LowerTolerance, 0);
    writer.putText(nominal(), field::ThirdNominal, 0);
    writer.putText(nominal(), field::FourthNominal, 0);
    writer.putText(zeroDeviation(), field::FirstDeviation, 0);
    writer.putText(zeroDeviation(), field::SecondDeviation, 0);
    writer.redraw();
}

void writeAxis(const RowContext &context, const Tolerances &tolerances, qint32 typeCode,
               int column) {
    writeMeasurement(context, tolerances, typeCode,
                     [&context, column] { return context.cell(column); });
}

void writeVector(const RowContext &context) {
    CommandWriter &writer = context.writer;
    writer.add(command_type::DimensionVector);
    writer.putText(context.cell(4), field::VectorI, 0);
    writer.putText(context.cell(5), field::VectorJ, 0);
    writer.putText(context.cell(6), field::VectorK, 0);
    writer.redraw();
}

} // namespace

void writeDimensionGroup(const RowContext &context) {
    InsertionControls &controls = context.controls;
    if (!controls.isSet(Choice::Dimensions))
        return;
    const std::optional<Tolerances> tolerances = tolerancesOfRow(context);
    if (!tolerances) {
        context.writer.markIncomplete();
        return;
    }
    writeOpening(context);
    if (controls.isSet(Choice::DimensionX))
        writeAxis(context, *tolerances, command_type::DimensionX, 1);
    if (controls.isSet(Choice::DimensionY))
        writeAxis(context, *tolerances, command_type::DimensionY, 2);
    if (controls.isSet(Choice::DimensionZ))
        writeAxis(context, *tolerances, command_type::DimensionZ, 3);
    if (controls.isSet(Choice::DimensionVector))
        writeVector(context);
    if (controls.isSet(Choice::DimensionDeviation))
        writeMeasurement(context, *tolerances, command_type::DimensionDeviation,
                         [] { return zeroDeviation(); });
    context.writer.add(command_type::DimensionClosing);
}

} // namespace vandelor::insert
