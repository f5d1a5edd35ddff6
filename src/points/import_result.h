#pragma once

#include "points/length_unit.h"
#include "points/sixteen_bit_counts.h"
#include "points/syntax_error.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace vandelor {

// How an import of points ended. Every outcome but Complete has told the
// importer to stop; the table then holds the points read before.
enum class ImportOutcome {
    Complete,
    // Not a text file; nothing was imported.
    NotText,
    // More points than a 16-bit row number can count.
    TooManyPoints,
    // An item longer than ItemReader::MaxItemLength.
    ItemTooLong,
    // An ASCII line whose fields reach beyond MaxImportColumnCount.
    TooManyFields,
    // A DMIS file that ends inside a point; that point was dropped.
    TruncatedPoint,
    // The device failed while the file was read.
    ReadFailed,
    // A header line names a column twice; nothing was imported.
    RepeatedColumn,
    // A file breaks its format's syntax; nothing was imported.
    BrokenSyntax,
    // The user chose not to read the file; nothing was imported.
    Cancelled,
};

// The entities of a CAD file that give no points and were passed over.
struct SkippedEntities {
    int surfaces = 0;
    int curves = 0;
    int others = 0;
};

struct ImportResult {
    // NOLINTNEXTLINE(google-explicit-constructor): results are written as {outcome, points}
    ImportResult(ImportOutcome outcome = ImportOutcome::Complete, int pointsRead = 0,
                 QStringList unreadColumns = {}, QString repeatedColumn = {})
        : outcome(outcome)
        , pointsRead(pointsRead)
        , unreadColumns(std::move(unreadColumns))
        , repeatedColumn(std::move(repeatedColumn)) {}

    ImportOutcome outcome = ImportOutcome::Complete;
    int pointsRead = 0;
    // Columns a header line names that the table has no place for.
    QStringList unreadColumns;
    // The name a header line gives twice.
    QString repeatedColumn;
    // The first unit other than millimetres the file states; the values
    // were read as written all the same.
    LengthUnit statedUnit = LengthUnit::Millimetre;
    // Where the file breaks its syntax (BrokenSyntax).
    std::optional<SyntaxError> syntaxError;
    SkippedEntities skipped;
};

// Row 0 is the head row, so one row fewer than the host counts holds points.
constexpr int MaxImportPoints = LargestCount - 1;
// An ASCII line can widen the table up to this many columns: a column index
// is a 16-bit number where the points are used. A row holds only the cells
// it has, so a single wide line costs the table no more than its own texts.
constexpr int MaxImportColumnCount = LargestCount + 1;

} // namespace vandelor
