#include "ui/Control.h"

namespace velmora {

bool Control::reachable() const {
    for (const Control* c = this; c; c = c->panel) {
        if (!c->visible || !c->enabled) return false;
    }
    return true;
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->panel) {
        if (!c->visible) return false;
    }
    return true;
}

std::string Control::displayName() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

} // namespace velmora
