#include "app/CommandLine.h"

#include <string_view>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0"
#endif

namespace velmora {
namespace {

constexpr std::string_view kHelp =
    "Uso: velmora [--help] [--version]\n"
    "\n"
    "Velmora e' un gioco di carte per il desktop: crea un giocatore e vivi una stagione di 52\n"
    "settimane tra 1999 giocatori del computer, ai tavoli da quattro di tornei di Uno, Hearts e\n"
    "Brisolo, e scala le classifiche mondiali.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help      mostra questo aiuto ed esce\n"
    "  -v, --version   mostra la versione ed esce\n"
    "\n"
    "La carriera:\n"
    "  Il gioco installato tiene le carriere in $XDG_DATA_HOME/velmora/ (di solito\n"
    "  ~/.local/share/velmora/); la prima e' velmora.mdb, le copie settimanali sono in backups/.\n"
    "  Avviato dalla cartella di compilazione, usa il velmora.mdb accanto all'eseguibile.\n"
    "\n"
    "Tasti al tavolo:\n"
    "  Sinistra, Destra   spostano la cornice sulle carte che si possono giocare\n"
    "  Spazio             gioca la carta nella cornice (al passaggio di Hearts la mette da parte)\n"
    "  Invio              gioca la carta nella cornice, passa le tre carte di Hearts, preme\n"
    "                     INIZIA, PROSSIMO TURNO e il seguito del tabellone dei premi\n"
    "  P, S               a Uno pescano una carta e passano il turno\n"
    "  1-4 o B, G, R, V   a Uno scelgono il colore dopo un jolly (blu, giallo, rosso, verde)\n"
    "  F1, Esc            aprono e chiudono il foglio delle regole; Esc a foglio chiuso chiede\n"
    "                     se lasciare il tavolo\n";

bool is(const char* argument, std::string_view longName, std::string_view shortName) {
    const std::string_view word(argument);
    return word == longName || word == shortName;
}

} // namespace

const char* gameVersion() { return VELMORA_VERSION; }

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        if (is(argv[i], "--version", "-v")) {
            out << "velmora " << gameVersion() << '\n';
            return 0;
        }
        if (is(argv[i], "--help", "-h")) {
            out << kHelp;
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace velmora
