#pragma once

#include <string>

namespace velmora {

class Control;
class Form1;

// The player's own choices at this desktop, on the options screen (Picture13) and the table's pace
// selector: Uno's colours with or without their symbols, the pace a table runs at, the sounds. They
// are kept in the platform's preferences (the desktop's user settings), never in the career, come
// back at the next start and take effect at once.
class Options {
  public:
    explicit Options(Form1& form) : f(form) {}

    // Puts the choices of the last session back into their lists and into force.
    void restore();
    // After every event: the colour symbols follow the colour in force.
    void refresh();

    // "Indietro" (item 4) closes the options.
    void Label77_Click(int index);
    // The table's pace, on the table screen or as "Ritmo al tavolo": one setting.
    void Combo12_Click();
    void Combo15_Click();
    // "Colori Uno": "Solo colori" or "Colori e simboli".
    void Combo13_Click();
    // "Suoni": "Sì" or "No".
    void Combo14_Click();

    // M: the sounds off, or on again; the same setting as "Suoni".
    bool toggleSounds();

    bool colourSymbols();
    bool soundsOn();

    // The symbol drawn for an Uno colour ("rosso", "giallo", "verde", "blu"), "" for another text.
    static std::string symbolOf(const std::string& colour);

    static constexpr const char* kPaceKey = "table/speed";
    static constexpr const char* kSymbolsKey = "options/unoSymbols";
    static constexpr const char* kSoundsKey = "options/sounds";

  private:
    void restoreList(const char* key, const char* list);
    void store(const char* key, const char* list);
    void showSymbols();
    void showMute();

    Form1& f;
};

} // namespace velmora
