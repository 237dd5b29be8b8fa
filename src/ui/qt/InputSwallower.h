#pragma once

#include <QObject>

namespace velmora {

// While installed on the application, eats mouse, wheel and key input. The front end installs it
// for a moment after a long handler: clicks the player made while the game was busy (and which a
// yield leaves queued) are dropped, as a disabled window drops them, instead of running late.
class InputSwallower : public QObject {
  public:
    using QObject::QObject;
    // Handles everything pending now, dropping the input among it.
    void dropPendingInput();
    // Input events dropped so far.
    int dropped() const { return m_dropped; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int m_dropped = 0;
};

} // namespace velmora
