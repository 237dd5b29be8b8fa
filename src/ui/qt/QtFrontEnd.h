#pragma once

#include "ui/Platform.h"

#include <memory>

namespace velmora {

class Window;

// The desktop front end: shows the window model with Qt Widgets and drives its timers.
class QtFrontEnd {
public:
    QtFrontEnd();
    ~QtFrontEnd();
    Platform& platform();
    // Builds the widgets for the window's controls and shows it.
    void show(Window& window);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace velmora
