#pragma once

#include "data/CareerBackups.h"
#include "data/CareerFiles.h"
#include "data/Rows.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora {

class Form1;

// Several careers side by side, one file each. Opens the career last played at the window's load;
// "Carica" lists the careers when there is more than one (player, nation, week, money, last
// played), to open one, delete one or bring one back from a backup; "Nuova" over a career asks
// whether to replace it, keep it and start the new one beside it, or cancel. A file that is not a
// sound career is refused untouched, and its newest sound backup offered; a career another window
// plays is refused with the other careers offered.
class CareerChoice {
  public:
    explicit CareerChoice(Form1& form) : f(form) {}

    // Opens the career last played; false (after telling the player) when none could be opened.
    bool openAtStart();
    // "Carica": true when it took the click over (the list is shown, or the career was refused);
    // false leaves the menu's own step, the dashboard of the open career.
    bool Carica();
    // The game is quitting: no career is opened again by a click that still arrives.
    void quitting() { m_quitting = true; }
    // "Avanti" of the new-career form: create makes the world in the open career, or in a new file
    // beside the others when the player keeps the open one.
    void newCareer(const std::function<void()>& create);
    // The nations of the database new careers start from, for the form when no career is open.
    Rows templateNations();

    // A line of the list: opens that career, or restores that backup.
    void Label59_Click(int index);
    // Deletes the line's career, with its backups, after a question.
    void Label60_Click(int index);
    // Lists the line's career's backups.
    void Label61_Click(int index);
    // Back: from the backups to the careers, from the careers to the title menu.
    void Label62_Click();
    // "Precedenti" (-1) and "Successivi" (+1): the list's pages of eight lines.
    void turnPage(int step);

    static constexpr int kLines = 8;
    // The answers to "Nuova" over a career, in the order of their buttons.
    enum NewCareerAnswer { kReplace = 0, kBeside = 1, kCancel = 2 };

  private:
    // Opens a career file; a refused one is reported and its newest backup offered. False when no
    // career could be opened.
    bool open(const std::string& file);
    // Opens a career file or throws; makes what the game adds to every career.
    void openFile(const std::string& file);
    // Puts a backup in the place of a career file; the file is kept first (as a backup when sound,
    // aside when damaged). False, after telling the player, when the career stayed as it was.
    bool restore(const std::string& file, const CareerBackups::Backup& backup);
    // A new career's first week, kept as its season's first copy.
    void keepFirstWeek();
    void showCareers();
    void showBackups(const std::string& file);
    void showLines(const std::vector<std::string>& lines);
    void showPage();
    void showDashboard();
    void createBeside(const std::function<void()>& create);
    std::string templatePath();
    CareerFiles files();
    std::string whose(const CareerFiles::Summary& career) const;

    Form1& f;
    std::vector<CareerFiles::Summary> m_careers; // the lines of the careers list
    std::string m_backupsOf;                     // the career whose backups are listed, or ""
    std::vector<CareerBackups::Backup> m_backups;
    std::vector<std::string> m_lines; // every line of the list shown, a page of kLines at a time
    int m_page = 0;
    bool m_quitting = false;
};

} // namespace velmora
