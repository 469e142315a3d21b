#include "ZahlEingabe.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace {

bool bZiffer(char c) { return c >= '0' && c <= '9'; }

// Digits with an optional sign (bVorzeichen) and, with bBruch, one '.' that
// has a digit before or after it.
bool bZahlText(const std::string& s, bool bVorzeichen, bool bBruch)
{
    std::size_t i = 0;
    if (bVorzeichen && i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool bZiffern = false, bPunkt = false;
    for (; i < s.size(); ++i) {
        if (bZiffer(s[i])) {
            bZiffern = true;
        } else if (bBruch && s[i] == '.' && !bPunkt) {
            bPunkt = true;
        } else {
            return false;
        }
    }
    return bZiffern;
}

// sMuster: '9' a digit, '-' one character that is no digit (the separators
// are free, as the fields always read them by position), '*' one or more
// digits up to the end.
bool bPasstMuster(const std::string& s, const char* pcMuster)
{
    std::size_t i = 0;
    for (const char* p = pcMuster; *p; ++p) {
        if (*p == '*') {
            if (i >= s.size()) return false;
            for (; i < s.size(); ++i)
                if (!bZiffer(s[i])) return false;
            return true;
        }
        if (i >= s.size()) return false;
        if (*p == '9' ? !bZiffer(s[i]) : bZiffer(s[i])) return false;
        ++i;
    }
    return i == s.size();
}

// "hh:mm" or "hh:mm:ss" whose parts name a time of a day: a minute "99"
// would be carried into the next hour, an hour "25" into no day at all.
bool bUhrzeitText(const std::string& s)
{
    if (!bPasstMuster(s, "99-99") && !bPasstMuster(s, "99-99-99")) return false;
    auto teil = [&s](std::size_t n) { return (s[n] - '0') * 10 + (s[n + 1] - '0'); };
    return teil(0) <= 23 && teil(3) <= 59 && (s.size() == 5 || teil(6) <= 59);
}

} // namespace

std::string ZahlFeldOhneRand(const std::string& sText)
{
    const std::size_t a = sText.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    return sText.substr(a, sText.find_last_not_of(" \t") - a + 1);
}

bool bZahlFeldGueltig(const std::string& sText, TZahlArt Art)
{
    const std::string s = ZahlFeldOhneRand(sText);
    if (s.empty()) return true;
    switch (Art) {
    case TZahlArt::Ganzzahl: return bZahlText(s, false, false);
    case TZahlArt::GanzzahlMitVorzeichen: return bZahlText(s, true, false);
    case TZahlArt::Dezimalbruch: return bZahlText(s, true, true);
    case TZahlArt::Datum: return bPasstMuster(s, "99-99-*");
    case TZahlArt::Uhrzeit: return bUhrzeitText(s);
    }
    return false;
}

bool bGanzzahlFeldLesen(const std::string& sText, TZahlArt Art, long long& llWert)
{
    llWert = 0;
    if (Art != TZahlArt::Ganzzahl && Art != TZahlArt::GanzzahlMitVorzeichen) return false;
    if (!bZahlFeldGueltig(sText, Art)) return false;
    const std::string s = ZahlFeldOhneRand(sText);
    if (s.empty()) return true;
    const bool bNegativ = s[0] == '-';
    const std::size_t a = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    constexpr long long llGrenze = 1LL << 62;
    for (std::size_t i = a; i < s.size(); ++i) {
        // Checked before the step: one more digit on a value near the
        // bound would overflow a long long.
        const int iZiffer = s[i] - '0';
        if (llWert > (llGrenze - iZiffer) / 10) {
            llWert = llGrenze;
            break;
        }
        llWert = llWert * 10 + iZiffer;
    }
    if (bNegativ) llWert = -llWert;
    return true;
}

bool bDezimalbruchFeldLesen(const std::string& sText, double& dWert)
{
    dWert = 0.0;
    if (!bZahlFeldGueltig(sText, TZahlArt::Dezimalbruch)) return false;
    const std::string s = ZahlFeldOhneRand(sText);
    if (s.empty()) return true;
    // from_chars takes neither a '+' nor the locale's decimal comma: the
    // point is the separator whatever the desktop's language.
    const std::size_t a = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    double d = 0.0;
    const auto erg = std::from_chars(s.data() + a, s.data() + s.size(), d, std::chars_format::fixed);
    if (erg.ec == std::errc::result_out_of_range) {
        // Only so many digits before the point overflow; so many zeros after
        // it underflow.
        const std::size_t nPunkt = s.find('.');
        const std::string sGanz = s.substr(a, nPunkt == std::string::npos ? std::string::npos : nPunkt - a);
        d = sGanz.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
    } else if (erg.ec != std::errc()) {
        return false;
    }
    dWert = s[0] == '-' ? -d : d;
    return true;
}

// Texte: 6710-6714
unsigned long ulZahlFeldFehlertext(TZahlArt Art)
{
    switch (Art) {
    case TZahlArt::Ganzzahl: return 6710;
    case TZahlArt::GanzzahlMitVorzeichen: return 6711;
    case TZahlArt::Dezimalbruch: return 6712;
    case TZahlArt::Datum: return 6713;
    case TZahlArt::Uhrzeit: return 6714;
    }
    return 6710;
}
