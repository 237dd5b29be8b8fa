#include "ui/Platform.h"

#include "ui/TableSounds.h"

namespace velmora {

void Platform::tableEvent(const TableEvent& event) {
    for (const std::string& name : tableSounds(event))
        sound(name);
    if (!event.line.empty()) announce(event.line);
}

} // namespace velmora
