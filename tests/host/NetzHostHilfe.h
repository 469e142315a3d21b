// Shared pieces of the main program's network tests: a project folder with
// its IP data file, the address a socket is bound to, the engine's accepts.
#pragma once

#include <filesystem>
#include <string>

#include "HostTestHilfe.h"
#include "NetzDienste.h"

namespace netztest {

struct TIPDaten {
    std::string sIP1;
    unsigned uPort1 = 0, uPort2 = 0;
    std::string sIP2;
    unsigned uPort3 = 0, uPort4 = 0;
};

// Writes "IPADR.DAT" with every key the engine reads.
void IPDateiSchreiben(const std::filesystem::path& pfDatei, const TIPDaten& d);
// "ip:port" of a bound socket; "" for an invalid one.
std::string Adresse(TSocket s);
// Pending connections on a listening socket that nobody accepted yet: a
// non-blocking accept of the test takes one (and closes it).
bool bWartetNochAufAnnahme(TSocket s);
// True when the peer closed the connection (end of data or reset).
bool bVonGegenseiteGeschlossen(int iKunde);
// The messages of all boxes shown, one per line.
std::string Texte(const hosttest::Programmumgebung& u);

} // namespace netztest
