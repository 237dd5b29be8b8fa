#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's sounds, made from nothing but arithmetic: short, soft card and table noises and a few
// chimes, mono at 44.1 kHz. Each sound is built from a handful of voices (filtered noise for paper,
// decaying sines for bells) and then brought to the one loudness every sound of the game shares.
namespace sounds {

constexpr int kRate = 44100;

using Samples = std::vector<double>; // -1..1

// The names of every sound, the file stems under suoni/.
std::vector<std::string> names();
// A sound by name, already at the shared loudness; empty for an unknown name.
Samples make(const std::string& name);
// The loudness of samples: the root mean square of their loudest 50 ms.
double rms(const Samples& samples);
// Writes 16-bit mono PCM; false when the file cannot be written.
bool writeWav(const std::string& path, const Samples& samples);

} // namespace sounds
