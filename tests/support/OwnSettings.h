#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora::test {

// Tests and tools keep the desktop's user settings (the table's pace, the options) in a folder of
// their own for the run, removed at its end, so they never change the player's: the settings are
// looked for under XDG_CONFIG_HOME, which is pointed there before anything reads it.
inline void keepSettingsApart() {
    struct Folder {
        std::string path;
        Folder() {
            std::string name = (std::filesystem::temp_directory_path() / "velmora-settings-XXXXXX").string();
            if (const char* made = mkdtemp(name.data())) path = made;
        }
        ~Folder() {
            std::error_code ignored;
            if (!path.empty()) std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    if (!folder.path.empty()) setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
}

} // namespace velmora::test
