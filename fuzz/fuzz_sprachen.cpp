// The languages list "Sprachen/Languages.ini". Property: the list never
// holds more than its table, and every entry has a name.
#include "FuzzHilfe.h"

#include "kolv_spr2.h"

#include <filesystem>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    std::filesystem::create_directories(Ordner() + "Sprachen");
    for (const char* pc : {"Sprachen/GERMAN.dat", "Sprachen/ENGLISH.dat", "Sprachen/FRANZ.DAT"})
        AlsDatei(reinterpret_cast<const uint8_t*>("1=x\n"), 4, pc);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    AlsDatei(pDaten, nGroesse, "Sprachen/Languages.ini");
    std::string sOrdner = Ordner();
    SPR_DLLInitialisieren(sOrdner.data());
    const int iAnzahl = SPR_iGetAnzahlSprachen();
    Pruefen(iAnzahl >= 0 && iAnzahl <= 50, "more languages than the table holds");
    for (int i = 0; i < iAnzahl; ++i) {
        const char* pc = SPR_GetSprachStrVonIndex(static_cast<unsigned char>(i));
        Pruefen(pc != nullptr, "language without a name");
        std::string sName = pc;
        SPR_GetSprachIndexVonString(sName.data());
    }
    return 0;
}
