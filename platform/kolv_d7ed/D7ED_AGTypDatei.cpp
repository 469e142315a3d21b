// Reading a CPU type file (ini, section "VELTRANO_PLC_INI").
#include "D7ED_Intern.h"

#include "WinIni.h"
#include "WinText.h"

#include <filesystem>
#include <optional>

namespace d7ed {

namespace {

constexpr const char* ABSCHNITT = "VELTRANO_PLC_INI";
constexpr size_t MAX_DATEI_GROESSE = 1024 * 1024;

using TAbschnitt = std::vector<std::pair<std::string, std::string>>;

// The value of the first key of that name (ignoring case), or none.
std::optional<std::string> Wert(const TAbschnitt& werte, const char* pcSchluessel)
{
    for (const auto& [sSchluessel, sWert] : werte)
        if (bGleichOhneGross(sSchluessel, pcSchluessel))
            return sWert;
    return std::nullopt;
}

std::string OhneRandLeer(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return std::string();
    const size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// A decimal number up to dwMax; none when the text is anything else.
std::optional<uint32_t> Zahl(const std::string& sRoh, uint32_t dwMax)
{
    const std::string s = OhneRandLeer(sRoh);
    if (s.empty() || s.size() > 10)
        return std::nullopt;
    uint64_t q = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        q = q * 10 + static_cast<uint64_t>(c - '0');
    }
    if (q > dwMax)
        return std::nullopt;
    return static_cast<uint32_t>(q);
}

// An optional 16-bit number: a missing key gives 0, a bad value false.
bool bOptionaleZahl(const TAbschnitt& werte, const char* pcSchluessel, uint16_t& w)
{
    const auto s = Wert(werte, pcSchluessel);
    w = 0;
    if (!s || OhneRandLeer(*s).empty())
        return true;
    const auto z = Zahl(*s, 65535);
    if (!z)
        return false;
    w = static_cast<uint16_t>(*z);
    return true;
}

// Number list: blanks removed, split at ',', empty pieces passed over; each
// piece a decimal number (a leading minus allowed); 0..254 set a flag,
// other numbers are ignored. False when a piece is no number.
bool bZahlenliste(const std::string& sRoh, std::array<uint8_t, 255>& ab)
{
    std::string s;
    for (char c : sRoh)
        if (c != ' ' && c != '\t')
            s += c;
    size_t dwPos = 0;
    while (dwPos <= s.size()) {
        size_t dwEnde = s.find(',', dwPos);
        if (dwEnde == std::string::npos)
            dwEnde = s.size();
        std::string sStueck = s.substr(dwPos, dwEnde - dwPos);
        dwPos = dwEnde + 1;
        if (sStueck.empty())
            continue;
        bool bNegativ = false;
        if (sStueck[0] == '-') {
            bNegativ = true;
            sStueck.erase(0, 1);
        }
        const auto z = Zahl(sStueck, 0xFFFFFFFFu);
        if (!z)
            return false;
        if (!bNegativ && *z <= 254)
            ab[*z] = 1;
    }
    return true;
}

} // namespace

int TypDateiLesen(const std::string& sPfadVorgabe, TAGTyp& typ)
{
    namespace fs = std::filesystem;
    std::string sPfad = sPfadVorgabe;
    std::error_code ec;
    if (!fs::is_regular_file(sPfad, ec)) {
        const fs::path p(sPfadVorgabe);
        sPfad = DateiImOrdnerSuchen(p.parent_path().string(), p.filename().string());
        if (sPfad.empty() || !fs::is_regular_file(sPfad, ec))
            return D7ED_AG_DATEI_FEHLT;
    }
    std::string sInhalt;
    if (!bTextDateiLesen(sPfad, sInhalt))
        return D7ED_AG_DATEI_FEHLT;
    if (sInhalt.size() > MAX_DATEI_GROESSE || sInhalt.find('\0') != std::string::npos)
        return D7ED_AG_KEINE_TEXTDATEI;

    bool bAbschnitt = false;
    for (const std::string& s : ProfilAbschnitteLesen(sPfad))
        if (bGleichOhneGross(s, ABSCHNITT))
            bAbschnitt = true;
    if (!bAbschnitt)
        return D7ED_AG_ABSCHNITT_FEHLT;
    const TAbschnitt werte = ProfilAbschnittLesen(sPfad, ABSCHNITT);

    TAGTyp t = TypIntern312C();
    t.abOB.fill(0);
    t.abSFC.fill(0);
    t.abSFB.fill(0);

    const auto sName = Wert(werte, "PLC_NAME");
    t.sName = sName ? TextNachUtf8(OhneRandLeer(*sName)) : std::string();
    if (t.sName.empty())
        return D7ED_AG_NAME;
    if (t.sName.size() > 254)
        t.sName.resize(254);
    const auto sBestell = Wert(werte, "PLC_ORDER_NUMBER");
    t.sBestellNr = sBestell ? TextNachUtf8(OhneRandLeer(*sBestell)) : std::string();
    if (t.sBestellNr.size() > 255)
        t.sBestellNr.resize(255);
    t.sHardwareStand = "1";
    t.sFirmwareStand = "V1.0.0";

    const auto sRam = Wert(werte, "RAM_SIZE_KBYTE");
    const auto ram = sRam ? Zahl(*sRam, 0xFFFFFFFFu) : std::nullopt;
    if (!ram || *ram == 0)
        return D7ED_AG_RAM;
    t.dwRamKB = *ram;

    const auto sMerker = Wert(werte, "MEMORY_BYTES");
    const auto merker = sMerker ? Zahl(*sMerker, 65535) : std::nullopt;
    if (!merker || *merker == 0)
        return D7ED_AG_MERKER;
    t.wMerkerBytes = static_cast<uint16_t>(*merker);

    if (!bOptionaleZahl(werte, "TIMER_NUMBER", t.wZeiten) ||
        !bOptionaleZahl(werte, "COUNTER_NUMBER", t.wZaehler))
        return D7ED_AG_ZEITEN_ZAEHLER;
    if (!bOptionaleZahl(werte, "FC_NUMBER", t.wAnzahlFC) ||
        !bOptionaleZahl(werte, "FB_NUMBER", t.wAnzahlFB) ||
        !bOptionaleZahl(werte, "DB_NUMBER", t.wAnzahlDB))
        return D7ED_AG_BAUSTEINANZAHL;

    const auto sOB = Wert(werte, "OB_ARRAY");
    if (!sOB || !bZahlenliste(*sOB, t.abOB) || !t.abOB[1])
        return D7ED_AG_OB_LISTE;
    const auto sSFC = Wert(werte, "SFC_ARRAY");
    const auto sSFB = Wert(werte, "SFB_ARRAY");
    if ((sSFC && !bZahlenliste(*sSFC, t.abSFC)) || (sSFB && !bZahlenliste(*sSFB, t.abSFB)))
        return D7ED_AG_SFC_SFB_LISTE;

    typ = std::move(t);
    return D7ED_AG_OK;
}

} // namespace d7ed
