// The command line of Netzplan: program path, communication identifier and
// the caller's window rectangle (and a language word). The input is read
// twice: each line one argument (the first the program path, as the
// system hands them over), and the whole input as one command line split
// by the Windows rules. Properties: a call is refused exactly when it has
// fewer than four arguments or one longer than 999 characters; the
// program folder is the path up to its last '/'; and the values taken,
// written as Veltrano writes them when it starts the program and split
// again, read back to the same values.
#include "FuzzHilfe.h"

#include "Netzplan.h"
#include "WinProzess.h"

#include <algorithm>
#include <sstream>
#include <vector>

using namespace fuzzhilfe;

namespace {

struct TWerte {
    std::string sOrdner;
    uint32_t dwKommuID;
    int32_t iLeft, iTop, iWidth, iHeight;
    bool operator==(const TWerte&) const = default;
};

TWerte Genommen()
{
    return {cProgrammOrdner, KommuID, iAufruferLeft, iAufruferTop, iAufruferWidth, iAufruferHeight};
}

std::string Zeigen(const std::vector<std::string>& argumente)
{
    std::string s;
    for (const std::string& a : argumente) s += "[" + a + "]";
    return s;
}

void Pruefe(std::vector<std::string> argumente)
{
    // An argument the system hands over ends at its first 0 byte.
    for (std::string& a : argumente) a.resize(std::min(a.size(), a.find('\0')));
    bFalscherAufruf = false;
    const bool bOk = KommandozeileAuswerten(argumente);
    bool bPasst = argumente.size() >= 4;
    for (const std::string& a : argumente) bPasst = bPasst && a.size() <= MAX_ARGUMENT_LAENGE;
    Pruefen(bOk == bPasst && bFalscherAufruf == !bOk, "call accepted or refused wrongly",
            Zeigen(argumente));
    if (!bOk) return;
    const TWerte w = Genommen();
    Pruefen(!w.sOrdner.empty() && w.sOrdner.back() == '/', "program folder without '/'", w.sOrdner);
    const std::string& sPfad = argumente[0];
    const std::size_t nStrich = sPfad.rfind('/');
    if (nStrich != std::string::npos)
        Pruefen(w.sOrdner == sPfad.substr(0, nStrich + 1), "program folder",
                sPfad + " -> " + w.sOrdner);

    // Written as Veltrano starts the program (its settings unit), split
    // and read again. A program path cannot hold '"' in a command line:
    // the program name knows quotes only as grouping.
    if (sPfad.find('"') != std::string::npos) return;
    const std::string sZeile = Formatiert("\"%s\" \"%u\" %i %i %i %i", sPfad.c_str(), w.dwKommuID,
                                          w.iLeft, w.iTop, w.iWidth, w.iHeight);
    const std::vector<std::string> wieder = KommandozeileZerlegen(sZeile);
    Pruefen(KommandozeileAuswerten(wieder), "Veltrano's call refused", sZeile);
    const TWerte w2 = Genommen();
    Pruefen(w2 == w, "values do not read back the same", sZeile + " -> " + Zeigen(wieder));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    QtStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sRoh = AlsText(pDaten, nGroesse);
    std::vector<std::string> argumente;
    std::istringstream zeilen(sRoh);
    std::string sZeile;
    while (argumente.size() < 16 && std::getline(zeilen, sZeile)) argumente.push_back(sZeile);
    Pruefe(argumente);
    Pruefe(KommandozeileZerlegen(sRoh));
    return 0;
}
