#pragma once

#include "ui/TableEvent.h"

#include <string>
#include <vector>

namespace velmora {

// What only a toolkit can do for the window: dialogs, repainting, the clock and the app folder.
class Platform {
public:
    virtual ~Platform() = default;
    // Shows a message with an OK button.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Asks a Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // Asks a question whose buttons say what each answer does (the last one cancels, and is the
    // answer when the question is closed); the index of the button chosen.
    virtual int askChoice(const std::string& text, const std::string& title,
                          const std::vector<std::string>& answers) = 0;
    // Lets the screen repaint (progress labels); never delivers clicks or timer ticks.
    virtual void yield() = 0;
    // Folder of the game's pictures (immagini/): the executable's, or the installation's data folder.
    virtual std::string appFolder() const = 0;
    // Folder of the career's velmora.mdb; the application folder unless the game is installed.
    virtual std::string careerFolder() const { return appFolder(); }
    // The database the game ships with, from which a new career beside the others is made; "" when
    // it cannot be found (the game then starts from a copy of a career).
    virtual std::string shippedDatabase() const { return ""; }
    // Milliseconds since an arbitrary start; drives the window's timers.
    virtual long long nowMs() const = 0;
    // Closes the window and ends the program.
    virtual void quit() = 0;
    // Says a line to whoever listens for what changes on screen (a screen reader): whose turn it
    // is, a card laid, a banner.
    virtual void announce(const std::string& text) = 0;
    // A sound the game makes (a card laid, a trick taken, the banner): the name of its file under
    // suoni/ without the number of a variant ("carta", "presa-tua", "campione").
    virtual void sound(const std::string& name) = 0;
    // The player's own choices at this desktop (the table's pace, the options), kept beside the game
    // and never in the career; "" for one never made.
    virtual std::string preference(const std::string& key) const = 0;
    virtual void setPreference(const std::string& key, const std::string& value) = 0;
    // Something happened at the human's table (a card laid, a trick taken...), with the words the
    // table's log wrote for it. Told once, in play order, whatever the pace; the game needs nothing
    // back. Its sounds are raised and its words announced, as every other sound and announcement.
    virtual void tableEvent(const TableEvent& event);
};

} // namespace velmora
