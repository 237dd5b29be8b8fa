#include "cards/Card.h"

namespace velmora {

std::string Card::code() const { return colour.isEmpty() ? value.str() : value.str() + colour.str(); }

} // namespace velmora
