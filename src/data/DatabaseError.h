#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// A failure of the store, carrying the engine's own message.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace velmora
