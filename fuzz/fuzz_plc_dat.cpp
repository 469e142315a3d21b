// PLC.DAT, the CPU properties beside a panel. Property: whatever the file
// held, what is then in force saves to a file that loads without a report
// and saves to the same file again; nothing readable is lost on the way.
#include "FuzzHilfe.h"

#include "WinText.h"
#include "kolv_d7ed.h"

using namespace fuzzhilfe;

namespace {
std::string Lesen(const std::string& sPfad)
{
    std::string s;
    bDateiLesen(sPfad, s);
    return s;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsDatei(pDaten, nGroesse, "PLC.DAT");
    const std::string sZwei = Ordner() + "PLC2.DAT", sDrei = Ordner() + "PLC3.DAT";
    // A file with faults keeps what it holds readably and gives the rest
    // its defaults: the result says only whether anything was reported.
    D7ED_bSPSEigenschaftenLaden(sDatei.c_str());
    Pruefen(D7ED_bSPSEigenschaftenSpeichern(sZwei.c_str()), "properties not written");
    Pruefen(D7ED_bSPSEigenschaftenLaden(sZwei.c_str()), "written properties do not load",
            Lesen(sZwei));
    Pruefen(D7ED_bSPSEigenschaftenSpeichern(sDrei.c_str()), "properties not written");
    Pruefen(Lesen(sZwei) == Lesen(sDrei), "properties do not read back the same");
    return 0;
}
