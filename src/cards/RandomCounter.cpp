#include "cards/RandomCounter.h"

#include "cards/RandomSequence.h"
#include "data/KeyValueStore.h"
#include "data/Value.h"

namespace velmora {

void advanceRandomCounter(KeyValueStore& store, RandomSequence& random) {
    double counter = store.number("nummag");
    for (long long i = 0; i <= roundEven(counter); ++i) random.next();
    counter += random.next() * 1000;
    long long stored = roundEven(counter);
    if (stored > 27000) stored -= 27000;
    store.setNumber("nummag", static_cast<double>(stored));
}

} // namespace velmora
