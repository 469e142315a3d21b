// PLC.DAT, the CPU properties beside a panel. Property: what loads saves to
// a file that loads to the same file again; a refused file gives the
// defaults.
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
    const std::string sStandard = Ordner() + "PLC0.DAT";
    const bool bOk = D7ED_bSPSEigenschaftenLaden(sDatei.c_str());
    Pruefen(D7ED_bSPSEigenschaftenSpeichern(sZwei.c_str()), "properties not written");
    if (!bOk) {
        D7ED_bSPSEigenschaftenLaden("");
        D7ED_bSPSEigenschaftenSpeichern(sStandard.c_str());
        Pruefen(Lesen(sZwei) == Lesen(sStandard), "refused file left other than the defaults");
        return 0;
    }
    Pruefen(D7ED_bSPSEigenschaftenLaden(sZwei.c_str()), "written properties do not load",
            Lesen(sZwei));
    Pruefen(D7ED_bSPSEigenschaftenSpeichern(sDrei.c_str()), "properties not written");
    Pruefen(Lesen(sZwei) == Lesen(sDrei), "properties do not read back the same");
    return 0;
}
