#pragma once

#include <string>

namespace velmora {

// Where the running game reads its pictures and keeps the player's career. Run from the build
// folder, both sit beside the executable (velmora.mdb and immagini/). An installed game reads its
// pictures and the shipped database from the installation, which an upgrade replaces, and keeps
// the career in the player's own data folder, which nothing but the game ever writes.
class GameFolders {
  public:
    // Decides from the executable's folder and the environment. installedData is the installation's
    // data folder relative to the executable's (e.g. "../share/velmora"); xdgDataHome and home are
    // the variables of the same names, null when unset.
    static GameFolders locate(const std::string& exeFolder, const std::string& installedData,
                              const char* xdgDataHome, const char* home);

    // Folder holding immagini/ (and, when installed, the shipped velmora.mdb).
    const std::string& pictures() const { return m_pictures; }
    // Folder holding the career's velmora.mdb; empty when installed with no data folder to use.
    const std::string& career() const { return m_career; }
    bool installed() const { return m_installed; }
    // The database the game ships with (new careers beside the others start from it), or "".
    const std::string& shipped() const { return m_shipped; }

    // Makes the career ready before the window loads. Installed, the first start copies the shipped
    // database into the career folder through a temporary file and a rename, so a crash never leaves
    // half a career; an existing career is never touched. Returns "" when the career can be used,
    // otherwise the message for the player. Run from the build folder it does nothing.
    std::string prepareCareer() const;

  private:
    std::string m_pictures;
    std::string m_career;
    std::string m_shipped;
    bool m_installed = false;
};

} // namespace velmora
