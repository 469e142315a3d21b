// Parsers of key-value lines and number texts, and the system queries.
#include "Allgemein.h"

#include "ProgrammWerte.h"
#include "PoolText.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Start of the text right after the first occurrence of the key, or null.
const char* pcNachKey(const char* pcZeile, const char* pcKey)
{
    if (!pcZeile || !pcKey || !*pcKey) return nullptr;
    const char* pc = std::strstr(pcZeile, pcKey);
    return pc ? pc + std::strlen(pcKey) : nullptr;
}

// Value of one hexadecimal digit (upper case only), -1 for anything else.
int iHexZiffer(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

int32_t iGetWertNachKey(const char* pcZeile, const char* pcKey)
{
    const char* pc = pcNachKey(pcZeile, pcKey);
    if (!pc) return 0;
    // atol reads leading blanks, a sign and digits; the value is held to the
    // 32-bit range instead of wrapping on a damaged line.
    long long ll = std::strtoll(pc, nullptr, 10);
    if (ll > INT32_MAX) return INT32_MAX;
    if (ll < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(ll);
}

void StringNachKeyKopieren(const char* pcZeile, const char* pcKey, std::string& sZiel)
{
    sZiel.clear();
    const char* pc = pcNachKey(pcZeile, pcKey);
    if (!pc) return;
    const char* pcEnde = std::strchr(pc, ',');
    sZiel.assign(pc, pcEnde ? static_cast<std::size_t>(pcEnde - pc) : std::strlen(pc));
}

void StringNachKeyKopieren(const char* pcZeile, const char* pcKey, char* pcZiel,
                           std::size_t nGroesse)
{
    if (!pcZiel || nGroesse == 0) return;
    std::string s;
    StringNachKeyKopieren(pcZeile, pcKey, s);
    std::size_t n = s.size() < nGroesse - 1 ? s.size() : nGroesse - 1;
    std::memcpy(pcZiel, s.data(), n);
    pcZiel[n] = '\0';
}

char cGetZeichenNachKey(const char* pcZeile, const char* pcKey)
{
    const char* pc = pcNachKey(pcZeile, pcKey);
    return pc ? *pc : '\0';
}

int32_t bDezimalStrToWert(const char* pcText, bool& bOk)
{
    bOk = false;
    if (!pcText || !*pcText) return 0;
    int64_t llWert = 0;
    for (const char* pc = pcText; *pc; ++pc) {
        if (*pc < '0' || *pc > '9') return 0;
        llWert = llWert * 10 + (*pc - '0');
        // A number beyond the 32-bit range is refused rather than wrapped
        // into a different value.
        if (llWert > INT32_MAX) return 0;
    }
    bOk = true;
    return static_cast<int32_t>(llWert);
}

int iHexStellen(const char* pcText)
{
    if (!pcText || pcText[0] != '0' || pcText[1] != 'X' || pcText[2] == '\0') return -1;
    int iStellen = 0;
    for (const char* pc = pcText + 2; *pc; ++pc) {
        if (iHexZiffer(*pc) < 0) return -1;
        if (iStellen > 0 || *pc != '0') ++iStellen;
    }
    return iStellen;
}

uint32_t bHexStrToWert(const char* pcText, bool& bOk)
{
    bOk = false;
    const int iStellen = iHexStellen(pcText);
    if (iStellen < 0 || iStellen > 8) return 0;
    bOk = true;
    return iHexWert(pcText + std::strlen(pcText) - (iStellen > 0 ? iStellen : 1));
}

uint32_t iHexWert(const char* pcText)
{
    uint32_t dwWert = 0;
    if (!pcText) return 0;
    for (int i = 0; i < 8 && pcText[i]; ++i) {
        int iZiffer = iHexZiffer(pcText[i]);
        dwWert = (dwWert << 4) | static_cast<uint32_t>(iZiffer < 0 ? 0 : iZiffer);
    }
    return dwWert;
}

std::string BitsAlsText(uint32_t dwWert, int iBits)
{
    if (iBits < 0) iBits = 0;
    if (iBits > 32) iBits = 32;
    std::string s;
    int iGeschrieben = 0;
    for (int i = iBits - 1; i >= 0; --i) {
        s += ((dwWert >> i) & 1u) ? '1' : '0';
        if (++iGeschrieben % 8 == 0) s += ' ';
    }
    return s;
}

char* BitsAlsText(char* pcZiel, std::size_t nGroesse, uint32_t dwWert, int iBits)
{
    if (!pcZiel || nGroesse == 0) return pcZiel;
    std::string s = BitsAlsText(dwWert, iBits);
    std::size_t n = s.size() < nGroesse - 1 ? s.size() : nGroesse - 1;
    std::memcpy(pcZiel, s.data(), n);
    pcZiel[n] = '\0';
    return pcZiel;
}

int iWindowsVersion()
{
    // 11 is the table's code for the newest Windows; everything that asks
    // treats 10 and above as a recent system.
    return 11;
}

bool bS7EpatsErmitteln()
{
    return false;
}

const char* pcIPDatenDatei()
{
    // The program's own buffer, rebuilt on each call like the other path
    // helpers; valid until the next call.
    static std::string sPfad;
    sPfad = TextFormatieren("%sIPADR.DAT", "%s", cMaskenVerzeichnis.c_str());
    return sPfad.c_str();
}
