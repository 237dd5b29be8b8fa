#include "career/PrizeMoney.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void PrizeMoney::Label50_Click() {
}

} // namespace velmora
