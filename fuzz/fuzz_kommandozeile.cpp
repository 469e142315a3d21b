// The command line of Veltrano: the panel path and the project folder
// switch. Each input line is one argument. Property: a single panel path
// argument comes back as it was written, up to its first ".maske_ini" (in
// any letter case).
#include "FuzzHilfe.h"

#include "Einstellungen.h"

#include <sstream>
#include <vector>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sRoh = AlsText(pDaten, nGroesse);
    const std::string sProgramm = "/opt/Veltrano/Veltrano";
    MaskenPfadAusKommandozeile(sRoh, sProgramm);
    MaskenPfadAusKommandozeile(sRoh, "");
    ProjektordnerAusKommandozeile(sRoh);

    std::vector<std::string> argumente;
    std::istringstream zeilen(sRoh);
    std::string sZeile;
    while (argumente.size() < 16 && std::getline(zeilen, sZeile)) argumente.push_back(sZeile);
    const std::string sZeileGanz = KommandozeileZusammensetzen(sProgramm, argumente);
    const std::string sMaske = MaskenPfadAusKommandozeile(sZeileGanz, sProgramm);
    ProjektordnerAusKommandozeile(sZeileGanz);
    if (argumente.size() == 1) {
        const std::string& a = argumente[0];
        std::string sGross = a;
        for (char& c : sGross)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const std::size_t n = sGross.find(".MASKE_INI");
        const bool bSchlicht = n != std::string::npos && a.find('"') == std::string::npos &&
                               a.find('\0') == std::string::npos &&
                               a.find_first_not_of(" \t") == 0;
        if (bSchlicht)
            Pruefen(sMaske == a.substr(0, n + 10), "panel path of the command line",
                    a + " -> " + sMaske);
    }
    return 0;
}
