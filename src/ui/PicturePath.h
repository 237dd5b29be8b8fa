#pragma once

#include <string>

namespace velmora {

// Finds the file a picture path names. Paths keep the game's form ("\immagini\uno\7rosso.jpg",
// relative to the application folder, or absolute); backslashes become slashes and every path
// component is matched without regard to letter case. Returns "" when no such file exists.
std::string resolvePicture(const std::string& appFolder, const std::string& path);

} // namespace velmora
