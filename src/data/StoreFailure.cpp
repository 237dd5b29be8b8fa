#include "data/StoreFailure.h"

#include <sqlcipher/sqlite3.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

namespace velmora {

namespace {

// The engine's message up to any bracketed statement or offset it carries.
std::string plainDetail(const std::string& detail) {
    std::string plain = detail.substr(0, detail.find(" ["));
    const size_t offset = plain.find(" at offset");
    if (offset != std::string::npos) plain.erase(offset);
    return plain;
}

} // namespace

StoreFailure::Kind StoreFailure::kindOf(int engineCode, const std::string& engineMessage) {
    switch (engineCode & 0xFF) {
    case SQLITE_FULL:
        return Kind::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Kind::NotWritable;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Kind::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_SCHEMA:
        return Kind::Damaged;
    case SQLITE_ERROR:
        // A statement of the game that names a table or a column the career lacks.
        if (engineMessage.rfind("no such column", 0) == 0 || engineMessage.rfind("no such table", 0) == 0 ||
            engineMessage.find("has no column named") != std::string::npos)
            return Kind::Damaged;
        return Kind::Other;
    default:
        return Kind::Other;
    }
}

StoreFailure::Kind StoreFailure::kindOfErrno(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Kind::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return Kind::NotWritable;
    default:
        return Kind::Other;
    }
}

std::string StoreFailure::message(Kind kind, const std::string& careerPath, const std::string& detail) {
    const std::string folder = std::filesystem::path(careerPath).parent_path().string();
    std::string text;
    switch (kind) {
    case Kind::DiskFull:
        text = "Il disco è pieno: quest'ultima azione non è stata salvata, ma non si è perso nulla e la "
               "carriera è com'era prima. Libera un po' di spazio sul disco, poi riprova.";
        break;
    case Kind::NotWritable:
        text = "Non si può scrivere nella cartella della carriera, " + folder +
               ": quest'ultima azione non è stata salvata e la carriera è com'era prima. Controlla di avere "
               "il permesso di scrivere in quella cartella, poi riprova.";
        break;
    case Kind::Busy:
        text = "La carriera è aperta anche in un'altra finestra di Velmora: quest'ultima azione non è stata "
               "salvata. Chiudi l'altra finestra, poi riprova.";
        break;
    case Kind::Damaged:
        text = "Il file della carriera " + careerPath +
               " è danneggiato o incompleto: quest'ultima azione non è stata salvata. Chiudi il gioco e "
               "riaprilo: ti sarà proposto il backup più recente ancora sano.";
        break;
    case Kind::Other:
        text = "Il gioco non è riuscito a leggere o a salvare la carriera: quest'ultima azione non è stata "
               "salvata e la carriera è com'era prima.";
        break;
    }
    const std::string plain = plainDetail(detail);
    return plain.empty() ? text : text + "\nDettaglio: " + plain;
}

std::string StoreFailure::copyMessage(int error, const std::string& folder) {
    switch (kindOfErrno(error)) {
    case Kind::DiskFull:
        return "Il disco è pieno: libera un po' di spazio, poi riprova.";
    case Kind::NotWritable:
        return "Non si può scrivere nella cartella " + folder + ": controlla di avere il permesso di scriverci.";
    default:
        return "Non è stato possibile copiare i file nella cartella " + folder + ".";
    }
}

void StoreFailure::log(const std::string& fullError) {
    std::cerr << "velmora: errore dell'archivio: " << fullError << std::endl;
}

} // namespace velmora
