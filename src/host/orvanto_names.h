#pragma once

#include "host_automation.h"
#include "orvanto_facts.h"

#include <QLatin1StringView>

// The host's facts as the Qt side passes them: how the tool finds the host measuring
// program ORVANTO, the members it reads by dispatch id and those it calls by name.
namespace vandelor::host::orvanto {

inline constexpr QLatin1StringView WindowClass{orvanto_facts::WindowClass};
inline constexpr QLatin1StringView ApplicationProgId{orvanto_facts::ApplicationProgId};

inline constexpr DispatchId ActivePartProgram{orvanto_facts::dispid::ActivePartProgram};
inline constexpr DispatchId PartProgramName{orvanto_facts::dispid::PartProgramName};
inline constexpr DispatchId PartProgramCommands{orvanto_facts::dispid::PartProgramCommands};

namespace member {
namespace facts = orvanto_facts::member;
inline constexpr QLatin1StringView Count{facts::Count};
inline constexpr QLatin1StringView Item{facts::Item};
inline constexpr QLatin1StringView InsertionPointAfter{facts::InsertionPointAfter};
inline constexpr QLatin1StringView Add{facts::Add};
inline constexpr QLatin1StringView FeatureCommand{facts::FeatureCommand};
inline constexpr QLatin1StringView PutText{facts::PutText};
inline constexpr QLatin1StringView SetToggleString{facts::SetToggleString};
inline constexpr QLatin1StringView ReDraw{facts::ReDraw};
inline constexpr QLatin1StringView PutPoint{facts::PutPoint};
inline constexpr QLatin1StringView PutVector{facts::PutVector};
} // namespace member

} // namespace vandelor::host::orvanto
