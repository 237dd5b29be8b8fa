#include "ui/PicturePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <vector>

namespace velmora {

namespace fs = std::filesystem;

namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string resolvePicture(const std::string& appFolder, const std::string& path) {
    std::string normal = path;
    std::replace(normal.begin(), normal.end(), '\\', '/');
    fs::path current;
    std::string rest;
    if (!appFolder.empty() && normal.rfind(appFolder, 0) == 0) {
        current = appFolder;
        rest = normal.substr(appFolder.size());
    } else if (!normal.empty() && normal[0] == '/' && fs::exists(normal.substr(0, normal.find('/', 1)))) {
        current = "/";
        rest = normal;
    } else {
        current = appFolder;
        rest = normal;
    }
    std::stringstream parts(rest);
    std::string part;
    std::error_code error;
    while (std::getline(parts, part, '/')) {
        if (part.empty()) continue;
        fs::path exact = current / part;
        if (fs::exists(exact, error)) {
            current = exact;
            continue;
        }
        bool found = false;
        for (const auto& entry : fs::directory_iterator(current, error)) {
            if (equalIgnoringCase(entry.path().filename().string(), part)) {
                current = entry.path();
                found = true;
                break;
            }
        }
        if (!found) return "";
    }
    return fs::is_regular_file(current, error) ? current.string() : "";
}

} // namespace velmora
