#include "app/CareerChoice.h"

#include "app/Form1.h"
#include "career/Dashboard.h"
#include "career/PlayerKey.h"
#include "data/CareerCheck.h"
#include "data/CareerLock.h"
#include "data/Database.h"
#include "data/SafeFile.h"
#include "data/StoreFailure.h"
#include "rankings/RecordIndexes.h"
#include "ui/DisabledWindow.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace velmora {

namespace fs = std::filesystem;

namespace {

const char kNationsQuery[] = "SELECT * FROM nazionalita order by nazione asc ";

// Pads or cuts a text to a number of characters (not bytes: names carry accents).
std::string column(const std::string& text, size_t width) {
    std::string out;
    size_t characters = 0;
    for (size_t i = 0; i < text.size() && characters < width; ++characters) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        out += text.substr(i, length);
        i += length;
    }
    return out + std::string(width - characters, ' ') + "  ";
}

std::string careerLine(const CareerFiles::Summary& career) {
    if (career.busy) {
        return " " + column(career.player.empty() ? career.file : career.player, 28) +
               "aperta in un'altra finestra di Velmora";
    }
    if (!career.problem.empty())
        return " " + column(career.file, 28) + "danneggiata, non si apre: \"Backup\" per ripristinarne una copia";
    if (career.player.empty()) return " " + column(career.file, 28) + "carriera non ancora cominciata";
    return " " + column(career.player, 28) + column(career.nation, 16) + column(std::to_string(career.week), 9) +
           column("€" + std::to_string(career.money), 12) + career.lastPlayed;
}

// Every line starts with a blank, so its text stands off the line's edge.
std::string careersHeading() {
    return " " + column("Giocatore", 28) + column("Nazione", 16) + column("Settimana", 9) + column("Denaro", 12) +
           "Ultima partita";
}

std::string seasonAndWeek(const CareerBackups::Backup& backup) {
    if (backup.season > 0) return "Stagione " + std::to_string(backup.season) + ", settimana " + std::to_string(backup.week);
    return "Settimana " + (backup.week > 0 ? std::to_string(backup.week) : std::string("?"));
}

std::string backupLine(const CareerBackups::Backup& backup) {
    return " " + column(seasonAndWeek(backup), 28) + column(CareerFiles::changedText(backup.path), 18) +
           (backup.problem.empty() ? "" : "danneggiato: non si può ripristinare");
}

std::string backupName(const CareerBackups::Backup& backup) {
    std::string name = seasonAndWeek(backup);
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return "il backup della " + name + " (" + CareerFiles::changedText(backup.path) + ")";
}

} // namespace

CareerFiles CareerChoice::files() {
    return CareerFiles(f.platform().careerFolder());
}

std::string CareerChoice::whose(const CareerFiles::Summary& career) const {
    if (!career.problem.empty() || career.player.empty()) return "del file " + career.file;
    return "di " + career.player + " (settimana " + std::to_string(career.week) + ")";
}

bool CareerChoice::openAtStart() {
    // Temporary files of a game stopped halfway (a new career, a copy) go, unless a running game
    // still owns them.
    const std::string folder = f.platform().careerFolder();
    SafeFile::clearLeftovers(folder);
    SafeFile::clearLeftovers((fs::path(folder) / "backups").string());
    const std::string last = files().lastPlayed();
    return open(last.empty() ? CareerFiles::kFirst : last);
}

void CareerChoice::openFile(const std::string& file) {
    f.careerFile = file;
    try {
        f.openDatabase();
        RecordIndexes::ensure(f.db());
    } catch (...) {
        f.closeDatabase();
        throw;
    }
}

bool CareerChoice::open(const std::string& file) {
    try {
        openFile(file);
        return true;
    } catch (const CareerBusy& busy) {
        // Another window plays it: nothing here writes to it. The other careers are offered.
        f.platform().messageBox(busy.what(), f.appTitle);
        if (files().names().size() > 1) showCareers();
        return false;
    } catch (const CareerRefused& refused) {
        const CareerBackups backups(files().path(file));
        const std::optional<CareerBackups::Backup> sound = backups.newestSound();
        if (!sound) {
            const std::string none = backups.list().empty()
                                         ? ""
                                         : "\n\nNessun backup di questa carriera è sano: nessuno si può ripristinare.";
            f.platform().messageBox(refused.what() + none, f.appTitle);
            return false;
        }
        const std::string question = std::string(refused.what()) + "\n\nRipristinare " + backupName(*sound) +
                                     ", il più recente ancora sano? Il file di adesso è messo da parte in " +
                                     backups.folder() + "/danneggiati.";
        if (!f.platform().askYesNo(question, f.appTitle)) return false;
        if (!restore(file, *sound)) return false;
    } catch (const DatabaseError& failure) {
        f.platform().messageBox(failure.what(), f.appTitle);
        return false;
    }
    try {
        openFile(file);
        return true;
    } catch (const DatabaseError& failure) {
        f.platform().messageBox(failure.what(), f.appTitle);
        return false;
    }
}

bool CareerChoice::restore(const std::string& file, const CareerBackups::Backup& backup) {
    const bool wasOpen = f.cnox && f.careerFile == file;
    if (wasOpen) f.closeDatabase();
    const std::string problem = CareerBackups(files().path(file)).restore(backup);
    if (problem.empty()) return true;
    f.platform().messageBox(problem, f.appTitle);
    if (wasOpen) {
        try {
            openFile(file);
        } catch (const std::exception&) {
            // The message above already says what is wrong; the list shows the career's state.
        }
    }
    return false;
}

void CareerChoice::keepFirstWeek() {
    if (!f.c("Picture2").visible || f.c("Picture1").visible) return; // nothing was made
    f.weekCommitted();
}

Rows CareerChoice::templateNations() {
    const std::string source = templatePath();
    if (source.empty()) return Rows();
    try {
        const fs::path path(source);
        Database db(Database::connectionString(path.parent_path().string(), path.filename().string()));
        return db.query(kNationsQuery);
    } catch (const std::exception&) {
        return Rows();
    }
}

// The database a new career beside the others starts from: the one the game ships, or else a copy
// of a sound career, whose world the new career replaces.
std::string CareerChoice::templatePath() {
    std::error_code error;
    const std::string shipped = f.platform().shippedDatabase();
    if (!shipped.empty() && fs::is_regular_file(shipped, error)) return shipped;
    if (f.cnox) return f.cnox->path();
    for (const std::string& name : files().names()) {
        if (files().summary(name).problem.empty()) return files().path(name);
    }
    return "";
}

bool CareerChoice::Carica() {
    if (m_quitting) return false;
    const std::vector<std::string> names = files().names();
    // The list opens for a choice of careers, and for a lone career that has backups, so that one
    // of its weeks can be taken back.
    const bool loneWithBackups =
        names.size() == 1 && !CareerBackups(files().path(names.front())).list().empty();
    if (names.size() > 1 || loneWithBackups) {
        showCareers();
        return true;
    }
    if (names.size() == 1 && (!f.cnox || f.careerFile != names.front())) return !open(names.front());
    return false;
}

void CareerChoice::newCareer(const std::function<void()>& create) {
    // A form without a name only gets its message; nothing is asked or made.
    if (unusableName(f.c("Text1", 0).text) || unusableName(f.c("Text1", 1).text)) {
        create();
        return;
    }
    bool inPlace = false;
    if (f.cnox) {
        const CareerFiles::Summary open = files().summary(f.careerFile);
        // A career not yet begun holds nothing to lose: it is simply filled.
        int answer = kReplace;
        if (!open.player.empty()) {
            answer = f.platform().askChoice(
                "C'è già la carriera " + whose(open) +
                    ". Vuoi sostituirla con la nuova, oppure tenerla e iniziare la nuova accanto a lei?",
                f.appTitle, {"Sostituiscila", "Tienila e creane un'altra", "Annulla"});
        }
        if (answer != kReplace && answer != kBeside) return;
        inPlace = answer == kReplace;
    }
    if (inPlace) {
        create();
    } else {
        createBeside(create);
    }
    keepFirstWeek();
}

// The world is made in a hidden file that takes its career name only once it is complete, so a
// failure or a stop halfway leaves no half career among the others.
void CareerChoice::createBeside(const std::function<void()>& create) {
    const std::string source = templatePath();
    const std::string folder = f.platform().careerFolder();
    if (source.empty()) {
        throw std::runtime_error("Impossibile creare una nuova carriera: manca il database del gioco.");
    }
    const std::string temporary = SafeFile::makeTemporary(folder, "nuova");
    if (temporary.empty() || !SafeFile::copy(source, temporary, SafeFile::Existing::Replace)) {
        if (!temporary.empty()) fs::remove(temporary);
        throw std::runtime_error("Impossibile creare una nuova carriera nella cartella " + folder + ": " +
                                 "la carriera di prima è com'era.\n" + StoreFailure::copyMessage(SafeFile::lastError(), folder));
    }
    const std::string previous = f.cnox ? f.careerFile : "";
    try {
        openFile(fs::path(temporary).filename().string());
        create();
        f.closeDatabase();
        const std::string target = files().nextFree();
        if (!SafeFile::moveInto(temporary, files().path(target))) {
            throw std::runtime_error("Impossibile salvare la nuova carriera come " + files().path(target) + ".");
        }
        openFile(target);
    } catch (...) {
        f.closeDatabase();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        if (!previous.empty()) {
            try {
                openFile(previous);
            } catch (const std::exception&) {
                // The failure being reported matters more; the list shows the career's state.
            }
        }
        throw;
    }
}

void CareerChoice::showLines(const std::vector<std::string>& lines) {
    m_lines = lines;
    m_page = 0;
    showPage();
}

void CareerChoice::showPage() {
    const int count = static_cast<int>(m_lines.size());
    const int pages = std::max(1, (count + kLines - 1) / kLines);
    m_page = std::clamp(m_page, 0, pages - 1);
    for (int i = 0; i < kLines; ++i) {
        const int at = m_page * kLines + i;
        const bool used = at < count;
        Control& line = f.c("Label59", i);
        line.text = used ? m_lines[static_cast<size_t>(at)] : "";
        line.visible = used;
        // Careers can be deleted or their backups listed; backups are only chosen.
        f.c("Label60", i).visible = used && m_backupsOf.empty();
        f.c("Label61", i).visible = used && m_backupsOf.empty();
    }
    f.c("Label74").visible = pages > 1 && m_page > 0;
    f.c("Label75").visible = pages > 1 && m_page < pages - 1;
    f.c("Label76").visible = pages > 1;
    f.c("Label76").text = "Pagina " + std::to_string(m_page + 1) + " di " + std::to_string(pages);
    f.c("Picture10").visible = true;
}

void CareerChoice::turnPage(int step) {
    m_page += step;
    showPage();
}

void CareerChoice::showCareers() {
    m_backupsOf.clear();
    m_careers.clear();
    std::vector<std::string> lines;
    for (const std::string& name : files().names()) {
        m_careers.push_back(files().summary(name));
        lines.push_back(careerLine(m_careers.back()));
    }
    f.c("Label58").text = "Carriere";
    f.c("Label63").text = careersHeading();
    showLines(lines);
}

void CareerChoice::showBackups(const std::string& file) {
    m_backupsOf = file;
    m_backups = CareerBackups(files().path(file)).inspected();
    std::vector<std::string> lines;
    for (const CareerBackups::Backup& backup : m_backups)
        lines.push_back(backupLine(backup));
    const CareerFiles::Summary career = files().summary(file);
    f.c("Label58").text = "Backup della carriera " + whose(career);
    f.c("Label63").text = lines.empty() ? " Nessun backup: se ne salva uno dopo ogni settimana."
                                        : " " + column("Backup", 28) + column("Salvato il", 18) + "Stato";
    showLines(lines);
}

void CareerChoice::showDashboard() {
    f.c("Picture10").visible = false;
    if (f.db().query("SELECT count(*) FROM giocatori").at(0, 0).toInt() == 0) {
        f.platform().messageBox("Questa carriera non è ancora cominciata: creala con \"Nuova\".", f.appTitle);
        return;
    }
    f.dashboard().refresh();
    f.c("Picture2").visible = true;
    f.c("Picture1").visible = false;
}

void CareerChoice::Label59_Click(int index) {
    DisabledWindow disabled(f.window());
    const auto line = static_cast<size_t>(m_page * kLines + index);
    if (m_backupsOf.empty()) {
        if (line >= m_careers.size()) return;
        const std::string file = m_careers[line].file;
        if ((f.cnox && f.careerFile == file) || open(file)) {
            showDashboard();
        } else {
            showCareers();
        }
        return;
    }
    if (line >= m_backups.size()) return;
    const std::string file = m_backupsOf;
    const CareerBackups::Backup& backup = m_backups[line];
    if (!backup.problem.empty()) {
        f.platform().messageBox(CareerBackups::refusal(backup), f.appTitle);
        return;
    }
    const CareerFiles::Summary career = files().summary(file);
    if (career.busy) {
        f.platform().messageBox(CareerLock::busyMessage(files().path(file)), f.appTitle);
        return;
    }
    const std::string kept = career.problem.empty() ? "la carriera di adesso resta tra i backup."
                                                    : "il file di adesso è messo da parte tra i backup danneggiati.";
    const std::string question =
        "Sostituire la carriera " + whose(career) + "?\nTorna " + backupName(backup) + "; " + kept;
    if (!f.platform().askYesNo(question, f.appTitle)) return;
    if (restore(file, backup) && open(file)) {
        showDashboard();
    } else {
        showBackups(file);
    }
}

void CareerChoice::Label60_Click(int index) {
    DisabledWindow disabled(f.window());
    const auto line = static_cast<size_t>(m_page * kLines + index);
    if (!m_backupsOf.empty() || line >= m_careers.size()) return;
    const CareerFiles::Summary career = m_careers[line];
    if (CareerLock::heldElsewhere(files().path(career.file))) {
        f.platform().messageBox(CareerLock::busyMessage(files().path(career.file)), f.appTitle);
        return;
    }
    const std::string question = "Eliminare la carriera " + whose(career) + "?\nIl file " + career.file +
                                 " e i suoi backup saranno cancellati.";
    if (!f.platform().askYesNo(question, f.appTitle)) return;
    if (f.careerFile == career.file) f.closeDatabase();
    const std::string path = files().path(career.file);
    CareerBackups(path).removeAll();
    std::error_code error;
    fs::remove(path, error);
    if (error) {
        f.platform().messageBox("Impossibile eliminare " + path + ".", f.appTitle);
    }
    showCareers();
}

void CareerChoice::Label61_Click(int index) {
    DisabledWindow disabled(f.window());
    const auto line = static_cast<size_t>(m_page * kLines + index);
    if (!m_backupsOf.empty() || line >= m_careers.size()) return;
    showBackups(m_careers[line].file);
}

void CareerChoice::Label62_Click() {
    if (!m_backupsOf.empty()) {
        showCareers();
        return;
    }
    f.c("Picture10").visible = false;
}

} // namespace velmora
