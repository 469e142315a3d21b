#include "HilfeKommandozeile.h"

#include "WinRegistry.h"

#include <cstdlib>

namespace {

bool bBeginntMit(const std::string& s, std::size_t nPos, const char* pcPraefix)
{
    return s.compare(nPos, std::char_traits<char>::length(pcPraefix), pcPraefix) == 0;
}

std::string Getrimmt(const std::string& s)
{
    std::size_t a = s.find_first_not_of(" \t\"");
    if (a == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t\"");
    return s.substr(a, e - a + 1);
}

// A whole decimal number (with sign), else nothing.
std::optional<int> Zahl(const std::string& s)
{
    if (s.empty()) return std::nullopt;
    char* pcEnde = nullptr;
    long l = std::strtol(s.c_str(), &pcEnde, 10);
    if (*pcEnde != '\0' || l < -100000 || l > 100000) return std::nullopt;
    return static_cast<int>(l);
}

} // namespace

HilfeAufruf HilfeKommandozeileLesen(const std::string& sZeile)
{
    HilfeAufruf a;
    std::size_t i = 0;
    const std::size_t n = sZeile.size();
    while (i < n) {
        if (sZeile[i] == ' ' || sZeile[i] == '\t') {
            ++i;
            continue;
        }
        if (bBeginntMit(sZeile, i, "/Show=")) {
            a.sSeite = Getrimmt(sZeile.substr(i + 6));
            break;
        }
        if (bBeginntMit(sZeile, i, "/App=")) {
            std::size_t nEnde = sZeile.find('#', i + 5);
            if (nEnde == std::string::npos) nEnde = sZeile.find(" /", i + 5);
            if (nEnde == std::string::npos) nEnde = n;
            a.sApp = Getrimmt(sZeile.substr(i + 5, nEnde - (i + 5)));
            i = nEnde < n ? nEnde + 1 : n;
            continue;
        }
        std::size_t nEnde = sZeile.find_first_of(" \t", i);
        if (nEnde == std::string::npos) nEnde = n;
        std::string sWort = sZeile.substr(i, nEnde - i);
        i = nEnde;
        auto wert = [&](const char* pcName) -> const char* {
            std::size_t l = std::char_traits<char>::length(pcName);
            return sWort.compare(0, l, pcName) == 0 ? sWort.c_str() + l : nullptr;
        };
        if (const char* pc = wert("/Lang=")) a.sSprache = pc;
        else if (const char* pcX = wert("/X=")) a.iX = Zahl(pcX);
        else if (const char* pcY = wert("/Y=")) a.iY = Zahl(pcY);
        else if (const char* pcW = wert("/W=")) a.iW = Zahl(pcW);
        else if (const char* pcH = wert("/H=")) a.iH = Zahl(pcH);
    }
    return a;
}

bool bHilfeDeutsch(const HilfeAufruf& aufruf)
{
    return aufruf.sSprache == "DE" || aufruf.sSprache == "de";
}

std::string HilfeSeiteErmitteln(const HilfeAufruf& aufruf)
{
    if (!aufruf.sSeite.empty()) return aufruf.sSeite;
    std::string sWert;
    if (!bRegWertLesen(cHilfeRegistrySchluessel, cHilfeRegistryWert, sWert)) return {};
    return Getrimmt(sWert);
}

bool bIstWebAdresse(const std::string& sSeite)
{
    return sSeite.find("http:") != std::string::npos || sSeite.find("https:") != std::string::npos;
}
