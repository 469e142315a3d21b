// IPADR.DAT, the network data beside a panel, through the engine's
// registry storage into the running configuration. Property: data that
// were taken over, written back to the file and taken over again give the
// same running configuration.
#include "FuzzHilfe.h"

#include "kolv_d7ed.h"

#include <cstring>
#include <string>

using namespace fuzzhilfe;

namespace {

constexpr uint32_t dwKennung = 4711;

std::string Konfiguration()
{
    char ac1[64] = {}, ac2[64] = {};
    uint16_t w1 = 0, w2 = 0, w3 = 0, w4 = 0;
    D7ED_GetEingestellteIPDaten(ac1, &w1, &w2);
    D7ED_GetEingestellteIPDaten_2(ac2, &w3, &w4);
    return std::string(ac1) + "|" + std::to_string(w1) + "|" + std::to_string(w2) + "|" + ac2 +
           "|" + std::to_string(w3) + "|" + std::to_string(w4) + "|" +
           std::to_string(D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsDatei(pDaten, nGroesse, "IPADR.DAT");
    Pruefen(D7ED_PfadeUebergeben(Ordner().c_str(), "D7ED", sDatei.c_str()), "paths refused");
    Pruefen(D7ED_IstKommuIDKorrekt(dwKennung), "identifier not taken");
    int iFehler = 0;
    if (!D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(dwKennung, &iFehler)) return 0;
    if (!D7ED_IPDatenAusRegistryEinstellen(dwKennung, &iFehler)) return 0;
    const std::string sErste = Konfiguration();
    Pruefen(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler), "IP data not written");
    Pruefen(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(dwKennung, &iFehler),
            "written IP data refused");
    Pruefen(D7ED_IPDatenAusRegistryEinstellen(dwKennung, &iFehler), "stored IP data refused");
    Pruefen(Konfiguration() == sErste, "IP data do not read back the same",
            sErste + " / " + Konfiguration());
    return 0;
}
