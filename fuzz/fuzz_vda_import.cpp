// The VDA-FS reader: any bytes as a VDA-FS file.

#include "fuzz_input.h"
#include "points/vda_import.h"

using namespace vandelor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::InputFile file(data, size);
    PointTable table;
    const bool idsFromFile = size > 0 && (data[0] & 1) != 0;
    isVdaFile(file.device());
    const ImportResult result = importVdaPoints(
        file.device(), table, [idsFromFile] { return idsFromFile; }, [] {});

    fuzz::require(result.pointsRead >= 0 && result.pointsRead <= MaxImportPoints);
    fuzz::requireRowsFor(table, result.pointsRead);
    fuzz::require(table.columnCount() == PointTable::MinimumColumnCount);
    // A broken file leaves the table as it was, and says where it broke.
    const bool broken = result.outcome == ImportOutcome::BrokenSyntax;
    fuzz::require(broken == result.syntaxError.has_value());
    if (broken)
        fuzz::require(result.pointsRead == 0 && result.syntaxError->record >= 1 &&
                      table.isRowEmpty(1));
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 7; column < table.columnCount(); ++column)
            fuzz::require(table.cellText(row, column).isEmpty());
    return 0;
}
