#include "PoolText.h"

#include "kolv_spr2.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Field widths and precisions a pool text may ask for: a language file is
// outside input, and "%01642877871s" would make a message of 1.6 GB.
constexpr long lMaxBreite = 1000;

// Reads the digits at p (advancing it); false when they exceed lMaxBreite.
bool bZahlLesen(const char*& p)
{
    long l = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        l = l * 10 + (*p - '0');
        if (l > lMaxBreite) return false;
    }
    return true;
}

} // namespace

bool bKonvertierungenLesen(const char* pcText, std::string& sKonvertierungen)
{
    sKonvertierungen.clear();
    if (!pcText) return true;
    for (const char* p = pcText; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        // flags, width, precision
        while (*p && std::strchr("-+ #0'", *p)) ++p;
        if (!bZahlLesen(p)) return false;
        if (*p == '.') {
            ++p;
            if (!bZahlLesen(p)) return false;
        }
        if (*p == '*') return false;
        std::string sLaenge;
        while (*p && std::strchr("hlLqjzt", *p)) sLaenge += *p++;
        if (!*p || !std::strchr("diouxXeEfFgGaAcsp", *p)) return false;
        sKonvertierungen += '%';
        sKonvertierungen += sLaenge;
        sKonvertierungen += *p;
    }
    return true;
}

bool bKonvertierungenPassen(const char* pcText, const char* pcSignatur)
{
    std::string sText, sSignatur;
    if (!bKonvertierungenLesen(pcText, sText)) return false;
    if (!bKonvertierungenLesen(pcSignatur, sSignatur)) return false;
    return sText == sSignatur;
}

namespace {

std::string vFormatieren(const char* pcText, const char* pcSignatur, va_list args)
{
    if (!pcText) return {};
    if (!bKonvertierungenPassen(pcText, pcSignatur)) return pcText;
    va_list kopie;
    va_copy(kopie, args);
    int n = std::vsnprintf(nullptr, 0, pcText, kopie);
    va_end(kopie);
    if (n < 0) return pcText;
    std::vector<char> puffer(static_cast<size_t>(n) + 1);
    std::vsnprintf(puffer.data(), puffer.size(), pcText, args);
    return std::string(puffer.data(), static_cast<size_t>(n));
}

} // namespace

std::string PoolText(unsigned long nNr)
{
    const char* pc = SPR_StrS7App(nNr);
    return pc ? pc : "";
}

std::string PoolTextFormat(unsigned long nNr, const char* pcSignatur, ...)
{
    const char* pcText = SPR_StrS7App(nNr);
    va_list args;
    va_start(args, pcSignatur);
    // The pool text is copied first: formatting must not read from a block
    // another process may be rewriting.
    std::string sText = pcText ? pcText : "";
    std::string s = vFormatieren(sText.c_str(), pcSignatur, args);
    va_end(args);
    return s;
}

std::string TextFormatieren(const char* pcText, const char* pcSignatur, ...)
{
    va_list args;
    va_start(args, pcSignatur);
    std::string s = vFormatieren(pcText, pcSignatur, args);
    va_end(args);
    return s;
}
