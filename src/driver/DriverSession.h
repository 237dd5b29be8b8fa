#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

class Control;
class Form1;
class ScriptedPlatform;
class WindowView;

// Plays the game from text commands, one per line: the player's clicks, choices and typing, the
// passing of time on the virtual clock, and questions about what the window shows. Every command is
// answered with its output followed by "ok", or by one line starting "error:".
class DriverSession {
  public:
    // The form must have been made on the given platform; both outlive the session.
    DriverSession(Form1& form, ScriptedPlatform& platform);
    ~DriverSession();

    // Reads commands until the input ends or the game quits.
    void run(std::istream& in, std::ostream& out);
    // Runs one command line, writing its answer. Returns false once the game has quit.
    bool execute(const std::string& line, std::ostream& out);

  private:
    struct Target;

    void load(const std::vector<std::string>& words, std::ostream& out);
    void click(const std::string& line, std::ostream& out);
    void key(const std::vector<std::string>& words);
    static std::string keyName(const std::string& word);
    void doubleClick(const std::string& line);
    void hover(const std::string& line);
    void type(const std::string& line, std::ostream& out);
    void choose(const std::string& line, std::ostream& out);
    void setAnswer(const std::vector<std::string>& words);
    void advance(const std::vector<std::string>& words);
    void advanceClock(long long ms);
    void get(const std::vector<std::string>& words, std::ostream& out);
    void messages(std::ostream& out);
    void sql(const std::string& statement, std::ostream& out);
    void shot(const std::string& file);
    void openWindow(const std::vector<std::string>& words);
    void memory(std::ostream& out);

    // The control a command names ("Label1 3 ..." or "Label39 ..."), starting at the word after the
    // command; the rest of the line follows it.
    Target target(const std::string& line, bool restFollows);
    // The label or picture a pointer command names, which the player could reach now; the clock is
    // set for the event. Throws CommandError saying why not.
    Control& pointerTarget(const std::string& line, const std::string& verb);

    Form1& m_form;
    ScriptedPlatform& m_platform;
    std::unique_ptr<WindowView> m_view; // made on the first screenshot or by "window"
    bool m_windowOpen = false;          // "window" showed the view: it follows every event
    // The control the pointer rests on ("hover"), by name and index; empty name for none.
    std::pair<std::string, int> m_pointerOn{"", -1};
};

} // namespace velmora
