// The item reader with the ASCII field split: any bytes as a point file.

#include "fuzz_input.h"
#include "points/ascii_import.h"
#include "points/item_reader.h"

using namespace vandelor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::InputFile file(data, size);
    PointTable table;
    // The ID option is read per item; let the input's first byte flip it.
    bool idsFromFile = size > 0 && (data[0] & 1) != 0;
    int steps = 0;
    const AsciiImportCallbacks callbacks{[&] { return idsFromFile = !idsFromFile; },
                                         [&] {
                                             ++steps;
                                         }};
    const ImportResult result = importAsciiPoints(file.device(), table, callbacks);

    fuzz::require(result.pointsRead >= 0 && result.pointsRead <= MaxImportPoints);
    fuzz::requireRowsFor(table, result.pointsRead);
    fuzz::require(table.columnCount() <= MaxImportColumnCount);
    const bool stoppedInItem = result.outcome == ImportOutcome::ItemTooLong ||
                               result.outcome == ImportOutcome::TooManyFields;
    fuzz::require(steps == result.pointsRead + (stoppedInItem ? 1 : 0));
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            fuzz::require(table.cellText(row, column).size() <= ItemReader::MaxItemLength);
    return 0;
}
