#pragma once

#include <optional>
#include <ostream>

namespace velmora {

// The few words the game answers on its command line without opening a window: "--version" and
// "--help" (also "-v" and "-h"). Returns the exit status when the line was answered, or nothing when
// the game should start; arguments it does not know are left to the window toolkit.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out);

// The game's version, as the build gives it ("1.0.0").
const char* gameVersion();

} // namespace velmora
