#include "career/EventEntry.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void EventEntry::Label6_Click(int index) {
    (void)index;
}

void EventEntry::Label7_Click(int index) {
    (void)index;
}

void EventEntry::Label8_Click() {
}

void EventEntry::advanceWeek() {
}

} // namespace velmora
