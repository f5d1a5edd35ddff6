#pragma once

#include "host_automation.h"

#include <QLatin1StringView>

// How the tool finds the host measuring program ORVANTO and the members it reads by
// dispatch id. Members called by name are named where they are called.
namespace vandelor::host::orvanto {

inline constexpr QLatin1StringView WindowClass{"BrennicotORVANTOWndClass"};
inline constexpr QLatin1StringView ApplicationProgId{"ORVAPP.Application"};

// On the application: the part program open in the host.
inline constexpr DispatchId ActivePartProgram{2};
// On a part program: its default value, a text.
inline constexpr DispatchId PartProgramName{0};
// On a part program: its command list.
inline constexpr DispatchId PartProgramCommands{11};

} // namespace vandelor::host::orvanto
