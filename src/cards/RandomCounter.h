#pragma once

namespace velmora {

class KeyValueStore;
class RandomSequence;

// Moves the random sequence on by the counter stored under "nummag", then grows the counter by a
// random fraction of 1000 (wrapping at 27000) and stores it, so every run and every shuffle starts
// its draws at a different point of the same fixed sequence.
void advanceRandomCounter(KeyValueStore& store, RandomSequence& random);

} // namespace velmora
