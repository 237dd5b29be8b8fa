#include "app/StartUp.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void StartUp::Form_Load() {
}

void StartUp::Label1_Click(int index) {
    (void)index;
}

void StartUp::Combo1_Click(int index) {
    (void)index;
}

void StartUp::Label45_Click() {
}

void StartUp::Label47_Click() {
}

void StartUp::Label52_Click() {
}

void StartUp::Label41_Click() {
}

} // namespace velmora
