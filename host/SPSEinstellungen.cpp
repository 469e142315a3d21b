// Text and file helpers of the PLC settings dialog.
#include "SPSEinstellungen.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "WinText.h"
#include "ZahlEingabe.h"

long long llZahlAnStelle(const std::string& sText, std::size_t uStelle)
{
    if (uStelle >= sText.size()) return 0;
    const char* p = sText.c_str() + uStelle;
    errno = 0;
    char* pEnde = nullptr;
    const long long ll = std::strtoll(p, &pEnde, 10);
    if (pEnde == p) return 0;
    // Beyond what a long long holds: certainly beyond every field.
    if (errno == ERANGE) return ll < 0 ? -1 : (1LL << 62);
    return ll;
}

bool bFeldZahlLesen(const std::string& sText, long long llMin, long long llMax, long long& llWert)
{
    return bGanzzahlFeldLesen(sText, TZahlArt::Ganzzahl, llWert) && llWert >= llMin && llWert <= llMax;
}

void DiagnoseTextZerlegen(const std::string& sRoh, std::string& sText, std::string& sZeit)
{
    std::string s = sRoh;
    auto vorneBlanks = [&s] { s.erase(0, s.find_first_not_of(' ') == std::string::npos ? s.size() : s.find_first_not_of(' ')); };
    vorneBlanks();
    while (!s.empty() && s[0] == '/') {
        s.erase(0, 1);
        vorneBlanks();
    }
    sZeit.clear();
    if (s.size() > 10) {
        for (std::size_t i = s.size() - 1; i >= 1; --i) {
            if (s[i] != '/') continue;
            const std::size_t uZeile = s.find('\n', i + 1);
            sZeit = s.substr(i + 1, uZeile == std::string::npos ? std::string::npos : uZeile - i - 1);
            s.erase(i);
            break;
        }
    }
    sText = s;
}

void SFCListeTeilen(const std::string& sListe, std::string& sErster, std::string& sZweiter)
{
    const std::size_t uKomma = sListe.find(',', sListe.size() / 2);
    if (uKomma == std::string::npos) {
        sErster = sListe;
        sZweiter.clear();
        return;
    }
    sErster = sListe.substr(0, uKomma);
    sZweiter = sListe.substr(uKomma + 1);
}

std::string BereichsEnde(uint32_t dwAnzahl)
{
    return std::to_string(static_cast<uint32_t>(dwAnzahl - 1u));
}

std::string IPAusEintrag(const std::string& sEintrag)
{
    std::string s = sEintrag.substr(0, sEintrag.find('('));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

uint32_t dwSDBStempelSumme(const std::string& sOrdner)
{
    uint32_t dwSumme = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(sOrdner, ec)) {
        const std::string sName = e.path().filename().string();
        const std::string sGross = GrossUmlaut(sName);
        if (sName.empty() || sName[0] == '.' || sGross.rfind("D7ED_SDB", 0) != 0 || sGross.size() < 12 ||
            sGross.compare(sGross.size() - 4, 4, ".MC7") != 0)
            continue;
        struct stat st;
        if (::stat(e.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        std::tm t{};
        const std::time_t tZeit = st.st_mtime;
        localtime_r(&tZeit, &t);
        const uint32_t dwDatum = static_cast<uint32_t>(((t.tm_year - 80) & 0x7F) << 9 | (t.tm_mon + 1) << 5 | t.tm_mday);
        const uint32_t dwUhr = static_cast<uint32_t>(t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec / 2);
        dwSumme += dwDatum << 16 | dwUhr;
    }
    return dwSumme;
}
