// CPU type: the built-in "312C", the take-over of a type file, and what the
// engine reports of the current type.
#include "D7ED_Intern.h"

#include <initializer_list>

namespace d7ed {

namespace {
void FlagsSetzen(std::array<uint8_t, 255>& ab, std::initializer_list<int> nummern)
{
    for (int n : nummern)
        ab[static_cast<size_t>(n)] = 1;
}

uint16_t AnzahlFlags(const std::array<uint8_t, 255>& ab)
{
    uint16_t w = 0;
    for (uint8_t b : ab)
        w = static_cast<uint16_t>(w + (b ? 1 : 0));
    return w;
}
} // namespace

TAGTyp TypIntern312C()
{
    TAGTyp t;
    t.sName = "CPU 312C";
    t.sBestellNr = "KOLV 312-5C000-0AB0";
    t.sHardwareStand = "1";
    t.sFirmwareStand = "V2.6.0";
    t.dwRamKB = 64;
    t.wLokaldaten = 256;
    t.wAnzahlFB = 1024;
    t.wAnzahlFC = 1024;
    t.wAnzahlDB = 511;
    t.wPeripherieEingaenge = 1024;
    t.wPeripherieAusgaenge = 1024;
    t.wMerkerBytes = 256;
    t.wZeiten = 256;
    t.wZaehler = 256;
    t.wProzessabbild = 128;
    FlagsSetzen(t.abOB, {1, 10, 20, 21, 35, 40, 41, 80, 82, 85, 86, 87, 100, 101, 121, 122});
    FlagsSetzen(t.abSFC, {0,  1,  2,  3,  4,  5,  6,  11, 12, 13, 14, 15, 20, 21, 22, 23,
                          24, 28, 29, 30, 31, 32, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43,
                          44, 46, 47, 49, 50, 51, 52, 55, 56, 57, 58, 59, 64, 81});
    FlagsSetzen(t.abSFB, {0, 1, 2, 3, 4, 5, 32});
    return t;
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

bool D7ED_AGInternEinstellen_C312(void)
{
    TEngine& e = Engine();
    e.typ = TypIntern312C();
    EreignisEintragen(D7ED_EREIGNIS_AG_INTERN, 0, 0, e.typ.sName);
    return true;
}

bool D7ED_DatenAusAGDateiUebernehmen(const char* pcPfad, int* piErgebnis)
{
    if (!pcPfad || !*pcPfad) {
        Fehler(piErgebnis, D7ED_AG_KEIN_PFAD);
        return false;
    }
    TAGTyp typ;
    const int iCode = TypDateiLesen(pcPfad, typ);
    Fehler(piErgebnis, iCode);
    if (iCode != D7ED_AG_OK)
        return false;
    Engine().typ = std::move(typ);
    EreignisEintragen(D7ED_EREIGNIS_AG_DATEI, 0, 0, Engine().typ.sName);
    return true;
}

bool D7ED_GetAGInfoDaten(char* pcName, uint32_t* pdwRamKB, uint16_t* pw1, uint16_t* pw2,
                         uint16_t* pw3, uint16_t* pw4, uint16_t* pw5, uint16_t* pw6,
                         uint16_t* pw7, uint16_t* pw8, uint16_t* pw9, uint16_t* pw10,
                         uint16_t* pw11, uint16_t* pw12, uint16_t* pw13, int* piFehler)
{
    const TAGTyp& t = Engine().typ;
    TextKopieren(pcName, t.sName);
    if (pdwRamKB)
        *pdwRamKB = t.dwRamKB;
    const uint16_t aw[13] = {t.wLokaldaten,          AnzahlFlags(t.abOB),  t.wAnzahlFB,
                             t.wAnzahlFC,            t.wAnzahlDB,          t.wPeripherieEingaenge,
                             t.wPeripherieAusgaenge, t.wMerkerBytes,       t.wZeiten,
                             t.wZaehler,             t.wProzessabbild,     AnzahlFlags(t.abSFC),
                             AnzahlFlags(t.abSFB)};
    uint16_t* apw[13] = {pw1, pw2, pw3, pw4, pw5, pw6, pw7, pw8, pw9, pw10, pw11, pw12, pw13};
    for (int i = 0; i < 13; ++i)
        if (apw[i])
            *apw[i] = aw[i];
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_GetIdentifikationsdaten(char* pcText1, char* pcText2, char* pcText3, char* pcText4,
                                  char* pcText5, char* pcText6, int* piFehler)
{
    const TAGTyp& t = Engine().typ;
    TextKopieren(pcText1, t.sName);
    TextKopieren(pcText2, t.sBestellNr);
    TextKopieren(pcText3, t.sHardwareStand);
    TextKopieren(pcText4, t.sFirmwareStand);
    TextKopieren(pcText5, "S KOLV-000001");
    TextKopieren(pcText6, "Veltrano");
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

} // extern "C"
