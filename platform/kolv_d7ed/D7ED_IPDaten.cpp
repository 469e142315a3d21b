// IP data: the running configuration, the registry storage, the project's
// IP data file "IPADR.DAT", and the port-102 waiting times.
#include "D7ED_Intern.h"

#include "WinIni.h"
#include "WinRegistry.h"
#include "WinText.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <optional>

namespace d7ed {

namespace {

const std::string REG = D7ED_REGISTRY_SCHLUESSEL;
constexpr const char* ABSCHNITT = "D7ED_DATEN";

// One IP data item: its registry value name, its key in the file, and
// whether it is an IP text (else a number up to dwMax).
struct TPosten {
    const char* pcRegistry;
    const char* pcDatei;
    bool bIP;
    uint32_t dwMax;
};

constexpr TPosten g_aPosten[] = {
    {"IP_ADRESSE_1", "D7ED_IP_ADRESSE", true, 0},
    {"PORT_S7", "D7ED_PORT_ADRESSE", false, 65535},
    {"PORT_INTERN", "D7ED_INTERN_PORT_ADRESSE", false, 65535},
    {"IP_ADRESSE_2", "D7ED_IP_ADRESSE_2", true, 0},
    {"PORT_3", "D7ED_PORT_ADRESSE_3", false, 65535},
    {"PORT_4", "D7ED_PORT_ADRESSE_4", false, 65535},
    {"PG_EINGAENGE_UMLEITEN", "D7ED_PG_EINGAENGE_UMLEITEN", false, 1},
};
constexpr size_t ANZAHL_POSTEN = sizeof g_aPosten / sizeof g_aPosten[0];

constexpr const char* REG_NACH_STOP = "PORT102_WARTEN_NACH_STOP";
constexpr const char* REG_VOR_START = "PORT102_WARTEN_VOR_START";

// The IP data stand in the first section of their name only, as for every
// ini reader of the file: a later one is another section.
bool bIPAbschnitt(const TProfilZeile& z)
{
    return z.bErsterAbschnitt && bGleichOhneGross(z.sAbschnitt, ABSCHNITT);
}

// A line that cannot be read where the IP data stand, or before the first
// section, where no ini reader would look for anything else.
bool bIPZeileVerderben(const TProfilZeile& z)
{
    return !z.bLesbar && (z.bVorAbschnitt || bIPAbschnitt(z));
}

std::string Getrimmt(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return std::string();
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::optional<uint32_t> Zahl(const std::string& s, uint32_t dwMax)
{
    if (s.empty() || s.size() > 10)
        return std::nullopt;
    uint64_t q = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        q = q * 10 + uint64_t(c - '0');
    }
    if (q > dwMax)
        return std::nullopt;
    return uint32_t(q);
}

bool bWertGueltig(const TPosten& p, const std::string& s)
{
    return p.bIP ? (s.empty() || bIPTextGueltig(s)) : Zahl(s, p.dwMax).has_value();
}

// The seven items as texts in the order of g_aPosten.
std::array<std::string, ANZAHL_POSTEN> AlsTexte(const TIPDaten& d)
{
    return {d.sIP1, std::to_string(d.wPortS7), std::to_string(d.wPortIntern), d.sIP2,
            std::to_string(d.wPort3), std::to_string(d.wPort4), std::to_string(d.byUmleiten)};
}

TIPDaten AusTexten(const std::array<std::string, ANZAHL_POSTEN>& a)
{
    TIPDaten d;
    d.sIP1 = a[0];
    d.wPortS7 = uint16_t(*Zahl(a[1], 65535));
    d.wPortIntern = uint16_t(*Zahl(a[2], 65535));
    d.sIP2 = a[3];
    d.wPort3 = uint16_t(*Zahl(a[4], 65535));
    d.wPort4 = uint16_t(*Zahl(a[5], 65535));
    d.byUmleiten = uint8_t(*Zahl(a[6], 1));
    return d;
}

// The registry storage; values never stored take the empty configuration.
// False (IP_DATEN) when a stored value is damaged.
bool bRegistryLesen(TIPDaten& d, int* piFehler)
{
    std::array<std::string, ANZAHL_POSTEN> a = AlsTexte(TIPDaten{});
    for (size_t i = 0; i < ANZAHL_POSTEN; ++i) {
        std::string s;
        if (!bRegWertLesen(REG, g_aPosten[i].pcRegistry, s))
            continue;
        if (!bWertGueltig(g_aPosten[i], s)) {
            Fehler(piFehler, D7ED_FEHLER_IP_DATEN);
            return false;
        }
        a[i] = s;
    }
    d = AusTexten(a);
    return true;
}

bool bRegistrySchreiben(size_t dwVon, const std::array<std::string, ANZAHL_POSTEN>& a,
                        size_t dwBis, int* piFehler)
{
    for (size_t i = dwVon; i < dwBis; ++i)
        if (!bRegWertSchreiben(REG, g_aPosten[i].pcRegistry, a[i])) {
            Fehler(piFehler, D7ED_FEHLER_REGISTRY);
            return false;
        }
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

// The data in effect live in a file of the user's runtime folder, so that
// every process of the user (the presets program too) sees what the
// process that took them over has set.
std::string LaufendDatei()
{
    const char* pc = std::getenv("XDG_RUNTIME_DIR");
    std::string s = (pc && *pc) ? pc : "/tmp";
    if (s.back() != '/')
        s += '/';
    return s + "kolv_d7ed_ip_" + std::to_string(getuid());
}

void LaufendSchreiben(const TIPDaten& d)
{
    std::string sInhalt;
    for (const std::string& s : AlsTexte(d))
        sInhalt += s + "\n";
    bDateiAtomarSchreiben(LaufendDatei(), sInhalt);
}

// The data in effect: from the shared file when it holds seven valid
// lines, else what this process took over (empty until then).
TIPDaten Laufend()
{
    std::string sInhalt;
    if (bDateiLesen(LaufendDatei(), sInhalt)) {
        std::array<std::string, ANZAHL_POSTEN> a;
        size_t i = 0, uPos = 0;
        for (; i < ANZAHL_POSTEN; ++i) {
            const size_t uEnde = sInhalt.find('\n', uPos);
            if (uEnde == std::string::npos)
                break;
            a[i] = sInhalt.substr(uPos, uEnde - uPos);
            uPos = uEnde + 1;
            if (!bWertGueltig(g_aPosten[i], a[i]))
                break;
        }
        if (i == ANZAHL_POSTEN)
            return AusTexten(a);
    }
    return Engine().ipLaufend;
}

// The presets program stores its adapter choice under this key, which it
// only opens: the engine makes it with its first IP presets.
constexpr const char* ADAPTER_SCHLUESSEL = "Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP";

} // namespace

bool bIPTextGueltig(const std::string& sIP)
{
    in_addr a{};
    return sIP.size() < D7ED_IP_TEXT_LAENGE && inet_pton(AF_INET, sIP.c_str(), &a) == 1;
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

bool D7ED_GetEingestellteIPDaten(char* pcIP, uint16_t* pwPortS7, uint16_t* pwPortIntern)
{
    const TIPDaten d = Laufend();
    TextKopieren(pcIP, d.sIP1, D7ED_IP_TEXT_LAENGE);
    if (pwPortS7)
        *pwPortS7 = d.wPortS7;
    if (pwPortIntern)
        *pwPortIntern = d.wPortIntern;
    return true;
}

bool D7ED_GetEingestellteIPDaten_2(char* pcIP, uint16_t* pwPort3, uint16_t* pwPort4)
{
    const TIPDaten d = Laufend();
    TextKopieren(pcIP, d.sIP2, D7ED_IP_TEXT_LAENGE);
    if (pwPort3)
        *pwPort3 = d.wPort3;
    if (pwPort4)
        *pwPort4 = d.wPort4;
    return true;
}

unsigned char D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten(void)
{
    return Laufend().byUmleiten;
}

namespace {

// An address handed in for the registry: trimmed, empty (none) or valid.
bool bIPArgumentLesen(const char* pcIP, std::string& sIP, int* piFehler)
{
    if (!pcIP) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    sIP = Getrimmt(pcIP);
    if (!sIP.empty() && !bIPTextGueltig(sIP)) {
        Fehler(piFehler, D7ED_FEHLER_IP_ADRESSE);
        return false;
    }
    return true;
}

} // namespace

bool D7ED_IPDatenInRegistryAbspeichern(const char* pcIP, uint16_t wPortS7, uint16_t wPortIntern,
                                       unsigned char byUmleiten, int* piFehler)
{
    std::string sIP;
    if (!bIPArgumentLesen(pcIP, sIP, piFehler))
        return false;
    TIPDaten d;
    d.sIP1 = sIP;
    d.wPortS7 = wPortS7;
    d.wPortIntern = wPortIntern;
    d.byUmleiten = byUmleiten ? 1 : 0;
    const auto a = AlsTexte(d);
    if (!bRegistrySchreiben(0, a, 3, piFehler) || !bRegistrySchreiben(6, a, 7, piFehler))
        return false;
    bRegSchluesselAnlegen(ADAPTER_SCHLUESSEL);
    return true;
}

bool D7ED_IPDaten_2_InRegistryAbspeichern(const char* pcIP, uint16_t wPort3, uint16_t wPort4,
                                          int* piFehler)
{
    std::string sIP;
    if (!bIPArgumentLesen(pcIP, sIP, piFehler))
        return false;
    TIPDaten d;
    d.sIP2 = sIP;
    d.wPort3 = wPort3;
    d.wPort4 = wPort4;
    return bRegistrySchreiben(3, AlsTexte(d), 6, piFehler);
}

bool D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(uint32_t dwKommuID, int* piFehler)
{
    if (!bKommuPruefen(dwKommuID, false, piFehler))
        return false;
    const std::string& sDatei = Engine().sIPDatei;
    if (sDatei.empty()) {
        Fehler(piFehler, D7ED_FEHLER_KEIN_PFAD);
        return false;
    }
    // Every key of the file stands for itself: each one the file does not
    // name, or names with a damaged value, takes the empty value, so that
    // nothing of the project opened before (or of an earlier run) stays.
    // A line that cannot be read costs only itself; what marks the file as
    // damaged is such a line where the IP data stand (or before the first
    // section), or a damaged value. Other sections are not ours to judge.
    std::vector<TProfilZeile> zeilen;
    bool bBeschaedigt = !bProfilZeilenLesen(sDatei, zeilen);
    std::array<std::string, ANZAHL_POSTEN> a = AlsTexte(TIPDaten{});
    std::array<bool, ANZAHL_POSTEN> gefunden{};
    for (const TProfilZeile& z : zeilen) {
        if (bIPZeileVerderben(z))
            bBeschaedigt = true;
        if (!z.bSchluessel || !bIPAbschnitt(z))
            continue;
        for (size_t i = 0; i < ANZAHL_POSTEN; ++i) {
            // The first occurrence counts, as for every ini reader.
            if (gefunden[i] || !bGleichOhneGross(z.sSchluessel, g_aPosten[i].pcDatei))
                continue;
            gefunden[i] = true;
            const std::string sWert = Getrimmt(z.sWert);
            // An empty port means "not given", as the host reads it.
            if (sWert.empty() && !g_aPosten[i].bIP)
                break;
            if (bWertGueltig(g_aPosten[i], sWert))
                a[i] = sWert;
            else
                bBeschaedigt = true;
            break;
        }
    }
    if (!bRegistrySchreiben(0, a, ANZAHL_POSTEN, piFehler))
        return false;
    Fehler(piFehler, bBeschaedigt ? D7ED_FEHLER_IP_DATEN : D7ED_FEHLER_KEINER);
    return !bBeschaedigt;
}

bool D7ED_IPDatenAusRegistryEinstellen(uint32_t dwKommuID, int* piFehler)
{
    if (!bKommuPruefen(dwKommuID, false, piFehler))
        return false;
    TIPDaten d;
    if (!bRegistryLesen(d, piFehler))
        return false;
    Engine().ipLaufend = d;
    LaufendSchreiben(d);
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(int* piFehler)
{
    const std::string& sDatei = Engine().sIPDatei;
    if (sDatei.empty()) {
        Fehler(piFehler, D7ED_FEHLER_KEIN_PFAD);
        return false;
    }
    TIPDaten d;
    if (!bRegistryLesen(d, piFehler))
        return false;
    const auto a = AlsTexte(d);
    // All keys in one replace: a crash leaves the old file or the new one,
    // never a mix of both.
    std::vector<std::pair<std::string, std::string>> paare;
    for (size_t i = 0; i < ANZAHL_POSTEN; ++i)
        paare.emplace_back(g_aPosten[i].pcDatei, a[i]);
    // The lines that made the file count as damaged go with this write, so
    // that the next open reads it without a word; other sections stay.
    if (!bProfilStringsSchreiben(sDatei, ABSCHNITT, paare, bIPZeileVerderben)) {
        Fehler(piFehler, D7ED_FEHLER_IP_DATEI);
        return false;
    }
    // What a write killed half way left beside the file.
    VerwaisteTempDateienEntfernen(sDatei);
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_IPDateiWertGueltig(const char* pcSchluessel, const char* pcWert)
{
    if (!pcSchluessel || !pcWert)
        return false;
    for (const TPosten& p : g_aPosten)
        if (bGleichOhneGross(pcSchluessel, p.pcDatei))
            return bWertGueltig(p, Getrimmt(pcWert));
    return false;
}

bool D7ED_SindPort102TimeDatenInRegistryVorhanden(void)
{
    std::string s1, s2;
    return bRegWertLesen(REG, REG_NACH_STOP, s1) && bRegWertLesen(REG, REG_VOR_START, s2) &&
           Zahl(s1, 65535) && Zahl(s2, 65535);
}

bool D7ED_StandardPort102TimeDatenInRegistrySchreiben(int* piFehler)
{
    return D7ED_Port102TimeDaten_InRegistryAbspeichern(D7ED_PORT102_WARTE_NACH_STOP,
                                                       D7ED_PORT102_WARTE_VOR_START, piFehler);
}

bool D7ED_Port102TimeDaten_AusRegistryAuslesen(uint16_t* pwNachStop, uint16_t* pwVorStart,
                                               int* piFehler)
{
    std::string s1, s2;
    std::optional<uint32_t> nach, vor;
    if (bRegWertLesen(REG, REG_NACH_STOP, s1) && bRegWertLesen(REG, REG_VOR_START, s2)) {
        nach = Zahl(s1, 65535);
        vor = Zahl(s2, 65535);
    }
    const bool bOk = nach && vor;
    if (pwNachStop)
        *pwNachStop = uint16_t(bOk ? *nach : D7ED_PORT102_WARTE_NACH_STOP);
    if (pwVorStart)
        *pwVorStart = uint16_t(bOk ? *vor : D7ED_PORT102_WARTE_VOR_START);
    Fehler(piFehler, bOk ? D7ED_FEHLER_KEINER : D7ED_FEHLER_REGISTRY_LEER);
    return bOk;
}

bool D7ED_Port102TimeDaten_InRegistryAbspeichern(uint16_t wNachStop, uint16_t wVorStart,
                                                 int* piFehler)
{
    const bool bOk = bRegWertSchreiben(REG, REG_NACH_STOP, std::to_string(wNachStop)) &&
                     bRegWertSchreiben(REG, REG_VOR_START, std::to_string(wVorStart));
    Fehler(piFehler, bOk ? D7ED_FEHLER_KEINER : D7ED_FEHLER_REGISTRY);
    return bOk;
}

bool D7ED_PfadeUebergeben(const char* pcOrdner, const char* pcName, const char* pcPfad)
{
    namespace fs = std::filesystem;
    if (!pcOrdner || !*pcOrdner || !pcPfad || !*pcPfad)
        return false;
    std::error_code ec;
    const fs::path pDatei(pcPfad);
    const fs::path pOrdner = pDatei.has_parent_path() ? pDatei.parent_path() : fs::path(".");
    if (!fs::is_directory(pcOrdner, ec) || !fs::is_directory(pOrdner, ec))
        return false;
    TEngine& e = Engine();
    e.sProjektOrdner = pcOrdner;
    e.sProjektName = pcName ? pcName : "";
    e.sIPDatei = pcPfad;
    return true;
}

} // extern "C"
