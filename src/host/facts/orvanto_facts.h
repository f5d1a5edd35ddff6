#pragma once

// What the tool knows of the host measuring program ORVANTO: how its main window and
// its application object are found, the dispatch ids it reads, the names of the
// members it calls, and the codes of the commands and fields it writes. Plain C++, so the COM
// backend, both stand-ins and the Qt side name each fact from here.

#include <cstdint>

namespace orvanto_facts {

inline constexpr char WindowClass[] = "BrennicotORVANTOWndClass";
inline constexpr char ApplicationProgId[] = "ORVAPP.Application";

// Members read by dispatch id.
namespace dispid {
// On the application: the part program open in the host.
inline constexpr std::int32_t ActivePartProgram = 2;
// On a part program: its default value, its name as a text.
inline constexpr std::int32_t PartProgramName = 0;
// On a part program: its command list.
inline constexpr std::int32_t PartProgramCommands = 11;
} // namespace dispid

// Members called by name.
namespace member {
// On the command list.
inline constexpr char Count[] = "Count";
inline constexpr char Item[] = "Item";
inline constexpr char InsertionPointAfter[] = "InsertionPointAfter";
inline constexpr char Add[] = "Add";
// On a command.
inline constexpr char FeatureCommand[] = "FeatureCommand";
inline constexpr char PutText[] = "PutText";
inline constexpr char SetToggleString[] = "SetToggleString";
inline constexpr char ReDraw[] = "ReDraw";
// On a feature command.
inline constexpr char PutPoint[] = "PutPoint";
inline constexpr char PutVector[] = "PutVector";
} // namespace member

// The type codes "Add" takes.
namespace command_type {
inline constexpr std::int32_t VectorPoint = 602;
inline constexpr std::int32_t EdgePoint = 604;
// A point's dimension group: opened, one command per chosen dimension, closed.
inline constexpr std::int32_t DimensionOpening = 1000;
inline constexpr std::int32_t DimensionClosing = 1001;
inline constexpr std::int32_t DimensionX = 1002;
inline constexpr std::int32_t DimensionY = 1003;
inline constexpr std::int32_t DimensionZ = 1004;
inline constexpr std::int32_t DimensionDeviation = 1008;
inline constexpr std::int32_t DimensionVector = 1011;
} // namespace command_type

// The field codes "PutText" and "SetToggleString" take, named for what the tool
// writes there; where the host's meaning isn't known, the name says the text.
namespace field {
// On a point command, vector or edge point.
inline constexpr std::int32_t PointId = 2;
inline constexpr std::int32_t AlwaysNo = 236;
inline constexpr std::int32_t PointDetails = 136;
inline constexpr std::int32_t ThicknessMode = 41;
inline constexpr std::int32_t Thickness = 77;
inline constexpr std::int32_t CoordinateSystem = 39;
inline constexpr std::int32_t SnapVector = 43;
inline constexpr std::int32_t AlwaysNone = 54;
inline constexpr std::int32_t AutoMove = 45;
inline constexpr std::int32_t AutoMoveDistance = 79;
// On an edge point, beside those.
inline constexpr std::int32_t EdgeDepth = 78;
inline constexpr std::int32_t EdgeSpacing = 75;
inline constexpr std::int32_t EdgeIndent = 80;
inline constexpr std::int32_t EdgeFirst = 55;
inline constexpr std::int32_t EdgePerm = 56;
inline constexpr std::int32_t SurfaceI = 112;
inline constexpr std::int32_t SurfaceJ = 113;
inline constexpr std::int32_t SurfaceK = 114;
// On a dimension opening: its name, the point it dimensions, and settings
// the tool always writes alike.
inline constexpr std::int32_t DimensionName = 2;
inline constexpr std::int32_t DimensionedPoint = 3;
inline constexpr std::int32_t FirstOff = 162;
inline constexpr std::int32_t SecondOff = 163;
inline constexpr std::int32_t Factor = 164;
inline constexpr std::int32_t BothSides = 165;
inline constexpr std::int32_t Units = 172;
inline constexpr std::int32_t OpeningZero = 181;
// On an axis or deviation dimension: the nominal in four fields, the
// tolerances, and two deviations written as zero.
inline constexpr std::int32_t FirstNominal = 166;
inline constexpr std::int32_t SecondNominal = 328;
inline constexpr std::int32_t UpperTolerance = 167;
inline constexpr std::int32_t LowerTolerance = 168;
inline constexpr std::int32_t ThirdNominal = 332;
inline constexpr std::int32_t FourthNominal = 336;
inline constexpr std::int32_t FirstDeviation = 340;
inline constexpr std::int32_t SecondDeviation = 344;
// On a vector dimension.
inline constexpr std::int32_t VectorI = 25;
inline constexpr std::int32_t VectorJ = 26;
inline constexpr std::int32_t VectorK = 27;
} // namespace field

} // namespace orvanto_facts
