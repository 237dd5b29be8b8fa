#pragma once

#include "ui/Window.h"

namespace velmora {

// Keeps the whole window disabled while a handler runs, so no click lands in its middle, and gives
// the window back its previous state on every way out, failures included.
class DisabledWindow {
  public:
    explicit DisabledWindow(Window& window) : m_window(window), m_wasEnabled(window.enabled()) {
        m_window.setEnabled(false);
    }
    ~DisabledWindow() { m_window.setEnabled(m_wasEnabled); }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

  private:
    Window& m_window;
    bool m_wasEnabled;
};

} // namespace velmora
