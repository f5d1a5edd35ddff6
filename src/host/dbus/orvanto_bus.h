#pragma once

#include <QLatin1StringView>

// Where the host's objects stand on the session bus. The stand-in exports them under
// these names; the bus backend reaches them through them.
namespace vandelor::host::bus {

inline constexpr QLatin1StringView ServiceName{"com.brennicot.ORVANTO"};
inline constexpr QLatin1StringView ApplicationPath{"/ORVAPP/Application"};
// An object result that names no object, as when no part program is open.
inline constexpr QLatin1StringView NoObjectPath{"/"};

inline constexpr QLatin1StringView ApplicationInterface{"com.brennicot.ORVANTO.Application"};
inline constexpr QLatin1StringView PartProgramInterface{"com.brennicot.ORVANTO.PartProgram"};
inline constexpr QLatin1StringView CommandsInterface{"com.brennicot.ORVANTO.Commands"};
inline constexpr QLatin1StringView CommandInterface{"com.brennicot.ORVANTO.Command"};
inline constexpr QLatin1StringView FeatureCommandInterface{"com.brennicot.ORVANTO.FeatureCommand"};

// Errors the host replies with besides the bus's own.
inline constexpr QLatin1StringView OutOfRangeError{"com.brennicot.ORVANTO.Error.OutOfRange"};
inline constexpr QLatin1StringView RefusedError{"com.brennicot.ORVANTO.Error.Refused"};

} // namespace vandelor::host::bus
