// The clipboard file of object lines pasted into a shown panel. Property:
// every object taken is selected, the panel never holds more than 500, and
// copying them again writes UTF-8.
#include "FuzzHilfe.h"

#include "Programm.h"
#include "HauptForm.h"
#include "Maske.h"
#include "WinText.h"

using namespace fuzzhilfe;

namespace {
THauptformular* pForm = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    pForm = new THauptformular(nullptr);
    pForm->bErstesZeichnen = false;
    pForm->FormCreate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsDatei(pDaten, nGroesse, "Veltrano-Clibboard.dat");
    const std::string sKopie = Ordner() + "Kopie.dat";
    pForm->MaskeLoeschen();
    MaskeFile = Ordner() + "Fuzz.maske_ini";
    if (!pForm->bObjekteLesen(sDatei, nullptr, true)) return 0;
    Pruefen(pForm->iAnzahlObjekte <= iMaxObjekte, "more objects than the panel holds");
    Pruefen(pForm->iAnzahlMarkierte == pForm->iAnzahlObjekte, "pasted objects not all selected");
    if (pForm->iAnzahlMarkierte > 0) {
        Pruefen(pForm->bObjekteSchreiben(sKopie, nullptr, true), "copying failed");
        std::string s;
        bDateiLesen(sKopie, s);
        Pruefen(bIstUtf8(s), "copied objects are not UTF-8");
    }
    return 0;
}
