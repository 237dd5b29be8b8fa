#include "app/Options.h"

#include "app/Form1.h"
#include "games/uno/UnoRules.h"

#include <array>
#include <string>

namespace velmora {

namespace {

// The colour buttons after a wild card (Label48 items 0..3) and their colours.
const std::array<const char*, 4> kChooserColours = {"blu", "giallo", "rosso", "verde"};

// A caption without the symbol put before it.
std::string withoutSymbol(const std::string& text) {
    for (const char* colour : kChooserColours) {
        const std::string mark = Options::symbolOf(colour) + " ";
        if (text.compare(0, mark.size(), mark) == 0) return text.substr(mark.size());
    }
    return text;
}

void select(Control& list, int item) {
    if (item < 0 || item >= static_cast<int>(list.items.size())) return;
    list.listIndex = item;
    list.text = list.items[static_cast<size_t>(item)];
}

} // namespace

std::string Options::symbolOf(const std::string& colour) {
    // The shapes the symbol set draws in the cards' corners.
    if (colour == "rosso") return "\u25B2";  // a triangle
    if (colour == "giallo") return "\u25CB"; // a ring
    if (colour == "verde") return "\u25C6";  // a diamond
    if (colour == "blu") return "\u271A";    // a cross
    return "";
}

void Options::restoreList(const char* key, const char* list) {
    const std::string stored = f.platform().preference(key);
    if (stored.empty() || stored.find_first_not_of("0123456789") != std::string::npos || stored.size() > 2) return;
    select(f.c(list), std::stoi(stored));
}

void Options::store(const char* key, const char* list) {
    const Control& chosen = f.c(list);
    if (chosen.listIndex >= 0) f.platform().setPreference(key, std::to_string(chosen.listIndex));
}

void Options::restore() {
    restoreList(kPaceKey, "Combo12");
    select(f.c("Combo15"), f.c("Combo12").listIndex);
    restoreList(kSymbolsKey, "Combo13");
    restoreList(kSoundsKey, "Combo14");
    showSymbols();
    showMute();
}

bool Options::colourSymbols() {
    return f.c("Combo13").listIndex == 1;
}

bool Options::soundsOn() {
    return f.c("Combo14").listIndex != 1;
}

void Options::Label77_Click(int index) {
    if (index == 4) f.c("Picture13").visible = false;
}

void Options::Combo12_Click() {
    store(kPaceKey, "Combo12");
    select(f.c("Combo15"), f.c("Combo12").listIndex);
}

void Options::Combo15_Click() {
    // The table's own selector runs its handler, which keeps the choice.
    f.window().setComboText(f.c("Combo12"), f.c("Combo15").text);
}

void Options::Combo13_Click() {
    store(kSymbolsKey, "Combo13");
    showSymbols();
}

void Options::Combo14_Click() {
    store(kSoundsKey, "Combo14");
    showMute();
}

bool Options::toggleSounds() {
    Control& sounds = f.c("Combo14");
    f.window().setComboText(sounds, sounds.items[soundsOn() ? 1 : 0]);
    return true;
}

void Options::showMute() {
    f.c("Label71").visible = !soundsOn();
}

void Options::showSymbols() {
    const bool on = colourSymbols();
    f.window().showFolderAs("\\immagini\\uno\\", on ? "\\immagini\\unosimboli\\" : "");
    for (int k = 0; k < 4; ++k) {
        Control& button = f.c("Label48", k);
        const std::string caption = withoutSymbol(button.text);
        button.text = on ? symbolOf(kChooserColours[static_cast<size_t>(k)]) + " " + caption : caption;
    }
    refresh();
}

void Options::refresh() {
    Control& indicator = f.c("Label43");
    const std::string symbol = colourSymbols() ? symbolOf(unoColourNamed(indicator.backColor)) : "";
    if (indicator.text == symbol) return;
    indicator.text = symbol;
    indicator.align = Align::Center;
    indicator.foreColor = 0x10301D;
    indicator.font.size = 14;
    indicator.font.bold = true;
}

} // namespace velmora
