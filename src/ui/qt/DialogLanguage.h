#pragma once

namespace velmora {

// Qt's own Italian translations for the texts Qt writes itself: the buttons of the Yes/No question
// read "Sì" and "No", as every other text of the game is Italian.
class DialogLanguage {
  public:
    // Installs Qt's Italian catalogue into the running application. False when the catalogue is not
    // installed (the buttons then keep Qt's English texts).
    static bool installItalian();
};

} // namespace velmora
