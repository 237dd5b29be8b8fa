#include "state/GameContext.h"

#include "data/CareerBackups.h"
#include "data/CareerCheck.h"
#include "data/CareerFiles.h"
#include "data/DatabaseError.h"
#include "data/SafeFile.h"
#include "data/StoreFailure.h"
#include "state/HistoryTables.h"
#include "ui/PicturePath.h"

#include <stdexcept>

namespace velmora {

GameContext::GameContext(Platform& platform) : m_window(platform) {
    m_window.setTitle(appTitle);
}

GameContext::~GameContext() = default;

GameTable* GameContext::gameTable(const std::string& name) {
    const auto found = m_games.find(name);
    return found == m_games.end() ? nullptr : found->second;
}

std::string GameContext::careerPath() {
    return CareerFiles(platform().careerFolder()).path(careerFile);
}

void GameContext::openDatabase() {
    closeDatabase();
    const std::string folder = platform().careerFolder();
    // Nothing is written before the file has shown it is a career: a damaged one stays as it was.
    const std::string problem = CareerCheck::fileProblem(careerPath());
    if (!problem.empty()) throw CareerRefused(problem);
    accedi_databaseox = Database::connectionString(folder, careerFile);
    auto database = std::make_unique<Database>(accedi_databaseox, Database::Use::Play);
    const std::string damage = CareerCheck::contentProblem(*database);
    if (!damage.empty()) throw CareerRefused(damage);
    cnox = std::move(database);
    HistoryTables::ensure(*cnox);
    ++careerOpenings;
    m_temp = std::make_unique<KeyValueStore>(*cnox);
}

void GameContext::weekCommitted() {
    if (!weeklyBackups || !cnox) return;
    const CareerBackups backups(cnox->path());
    if (!CareerBackups(cnox->path()).keep(currentWeek)) {
        throw std::runtime_error("La settimana è salvata, ma non è stato possibile scriverne il backup in " +
                                 backups.folder() + ".\n" + StoreFailure::copyMessage(SafeFile::lastError(), backups.folder()));
    }
}

void GameContext::closeDatabase() {
    m_temp.reset();
    cnox.reset();
}

Database& GameContext::db() {
    if (!cnox) throw DatabaseError("Il database della carriera non e' aperto (velmora.mdb).");
    return *cnox;
}

KeyValueStore& GameContext::temp() {
    if (!m_temp) throw DatabaseError("Il database della carriera non e' aperto (velmora.mdb).");
    return *m_temp;
}

void GameContext::loadPicture(Control& picture, const std::string& path) {
    // The picture files never change while the game runs: each path is looked up on disk once.
    if (!m_foundPictures.contains(path)) {
        if (resolvePicture(platform().appFolder(), path).empty()) {
            throw std::runtime_error("File non trovato: " + path);
        }
        m_foundPictures.insert(path);
    }
    picture.picture = path;
}

} // namespace velmora
