// The DMIS scan: any bytes as a DMIS file.

#include "fuzz_input.h"
#include "points/dmis_import.h"

using namespace vandelor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::InputFile file(data, size);
    PointTable table;
    const bool idsFromFile = size > 0 && (data[0] & 1) != 0;
    const ImportResult result =
        importDmisPoints(file.device(), table, [idsFromFile] { return idsFromFile; });

    fuzz::require(result.pointsRead >= 0 && result.pointsRead <= MaxImportPoints);
    fuzz::requireRowsFor(table, result.pointsRead);
    fuzz::require(table.columnCount() == PointTable::MinimumColumnCount);
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 7; column < table.columnCount(); ++column)
            fuzz::require(table.cellText(row, column).isEmpty());
    return 0;
}
