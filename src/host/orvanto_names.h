#pragma once

#include "host/facts/orvanto_facts.h"
#include "host/host_automation.h"

#include <QLatin1StringView>

#include <cstddef>

// The host's facts as the Qt side passes them: how the tool finds the host measuring
// program ORVANTO, the members it reads by dispatch id and those it calls by name.
namespace vandelor::host::orvanto {

// A fact's text as a view; its length taken from the array, so the view is a
// constant even where the sanitizers move the array.
template <std::size_t N> constexpr QLatin1StringView fact(const char (&text)[N]) {
    return QLatin1StringView(text, qsizetype(N - 1));
}

inline constexpr QLatin1StringView WindowClass = fact(orvanto_facts::WindowClass);
inline constexpr QLatin1StringView ApplicationProgId = fact(orvanto_facts::ApplicationProgId);

inline constexpr DispatchId ActivePartProgram{orvanto_facts::dispid::ActivePartProgram};
inline constexpr DispatchId PartProgramName{orvanto_facts::dispid::PartProgramName};
inline constexpr DispatchId PartProgramCommands{orvanto_facts::dispid::PartProgramCommands};

namespace member {
namespace facts = orvanto_facts::member;
inline constexpr QLatin1StringView Count = fact(facts::Count);
inline constexpr QLatin1StringView Item = fact(facts::Item);
inline constexpr QLatin1StringView InsertionPointAfter = fact(facts::InsertionPointAfter);
inline constexpr QLatin1StringView Add = fact(facts::Add);
inline constexpr QLatin1StringView FeatureCommand = fact(facts::FeatureCommand);
inline constexpr QLatin1StringView PutText = fact(facts::PutText);
inline constexpr QLatin1StringView SetToggleString = fact(facts::SetToggleString);
inline constexpr QLatin1StringView ReDraw = fact(facts::ReDraw);
inline constexpr QLatin1StringView PutPoint = fact(facts::PutPoint);
inline constexpr QLatin1StringView PutVector = fact(facts::PutVector);
} // namespace member

} // namespace vandelor::host::orvanto
