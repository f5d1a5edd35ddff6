#pragma once

// What the tool knows of the host measuring program ORVANTO: how its main window and
// its application object are found, the dispatch ids it reads, and the names of the
// members it calls. Plain C++, so the COM backend, both stand-ins and the Qt side
// name each fact from here.

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

} // namespace orvanto_facts
