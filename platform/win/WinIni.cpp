// Ini files with the Windows profile rules (see WinIni.h).
//
// The file is held as its lines; a write changes or inserts the lines of
// its keys only and writes all others back unchanged. A file that is not valid UTF-8
// (made on Windows) is read through the one text reader (such lines as
// Windows-1252), so values come back as UTF-8 and a write never mixes two
// encodings in one file.
#include "WinIni.h"

#include "WinText.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";

struct TZeilen {
    std::vector<std::string> zeilen;  // without line ends
    bool bBom = false;                // the file started with a byte order mark
};

// The lines of a decoded text.
TZeilen Zerlegen(const std::string& sRoh, const std::string& sInhalt)
{
    TZeilen z;
    z.bBom = sRoh.compare(0, 3, kBom) == 0;
    size_t i = 0;
    while (i < sInhalt.size()) {
        size_t uEnde = sInhalt.find('\n', i);
        const bool bLetzte = uEnde == std::string::npos;
        if (bLetzte)
            uEnde = sInhalt.size();
        std::string sZeile = sInhalt.substr(i, uEnde - i);
        if (!sZeile.empty() && sZeile.back() == '\r')
            sZeile.pop_back();
        z.zeilen.push_back(std::move(sZeile));
        i = uEnde + 1;
    }
    return z;
}

TZeilen Laden(const std::string& sDatei)
{
    std::string sInhalt;
    std::string sRoh;
    if (!bDateiLesen(sDatei, sRoh) || !bTextDekodieren(sRoh, sInhalt))
        return TZeilen{};
    return Zerlegen(sRoh, sInhalt);
}

std::string Trimmen(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return "";
    const size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

bool bSteuerzeichen(const std::string& s)
{
    // Control characters other than tab come from no text editor.
    for (const char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F)
            return true;
    }
    return false;
}

// Section name of a line "[Name]", or nothing. A line with a control
// character (a UTF-16 text without its byte order mark, a binary file)
// opens no section, wherever the character stands: the lines after it stay
// where they were instead of falling into a section of a strange name.
std::optional<std::string> AbschnittDerZeile(const std::string& sZeile)
{
    if (bSteuerzeichen(sZeile))
        return std::nullopt;
    const std::string s = Trimmen(sZeile);
    if (s.size() < 2 || s.front() != '[')
        return std::nullopt;
    const size_t uZu = s.find(']');
    if (uZu == std::string::npos)
        return std::nullopt;
    return Trimmen(s.substr(1, uZu - 1));
}

// Key and value of a line "key=value", or nothing (comments, blank lines).
bool bSchluesselDerZeile(const std::string& sZeile, std::string& sSchluessel, std::string& sWert)
{
    const std::string s = Trimmen(sZeile);
    if (s.empty() || s.front() == ';' || s.front() == '[')
        return false;
    const size_t uGleich = s.find('=');
    if (uGleich == std::string::npos)
        return false;
    sSchluessel = Trimmen(s.substr(0, uGleich));
    sWert = Trimmen(s.substr(uGleich + 1));
    return !sSchluessel.empty();
}

// Index of the first line of the section (its header) or -1. The name is
// trimmed as the writer trims it, so " B " finds the "[B]" it wrote.
long AbschnittSuchen(const TZeilen& z, const std::string& sAbschnittRoh)
{
    const std::string sAbschnitt = Trimmen(sAbschnittRoh);
    for (size_t i = 0; i < z.zeilen.size(); ++i) {
        const auto sName = AbschnittDerZeile(z.zeilen[i]);
        if (sName && bGleichOhneGross(*sName, sAbschnitt))
            return static_cast<long>(i);
    }
    return -1;
}

// Index one past the last line of the section that starts at iKopf.
size_t AbschnittEnde(const TZeilen& z, size_t uKopf)
{
    size_t i = uKopf + 1;
    while (i < z.zeilen.size() && !AbschnittDerZeile(z.zeilen[i]))
        ++i;
    return i;
}

} // namespace

std::string ProfilStringLesen(const std::string& sDatei, const std::string& sAbschnitt,
                              const std::string& sSchluessel, const std::string& sVorgabe)
{
    const TZeilen z = Laden(sDatei);
    const long iKopf = AbschnittSuchen(z, sAbschnitt);
    if (iKopf < 0)
        return sVorgabe;
    const size_t uEnde = AbschnittEnde(z, static_cast<size_t>(iKopf));
    std::string sK, sW;
    for (size_t i = static_cast<size_t>(iKopf) + 1; i < uEnde; ++i) {
        if (bSchluesselDerZeile(z.zeilen[i], sK, sW) && bGleichOhneGross(sK, Trimmen(sSchluessel)))
            return sW;
    }
    return sVorgabe;
}

namespace {

// A name the reader would not find again: empty, or a key that reads as a
// comment or a section head, or either holding a line end or another
// control character.
bool bNamenUngueltig(const std::string& sAbschnittT, const std::string& sSchluesselT)
{
    return sAbschnittT.empty() || sSchluesselT.empty() || sSchluesselT[0] == ';' ||
           sSchluesselT[0] == '[' || sSchluesselT.find('=') != std::string::npos ||
           sAbschnittT.find(']') != std::string::npos || bSteuerzeichen(sAbschnittT) ||
           bSteuerzeichen(sSchluesselT);
}

// Sets one key in the lines held in memory.
void SchluesselSetzen(TZeilen& z, const std::string& sAbschnittT, const std::string& sSchluesselT,
                      const std::string& sWert)
{
    // A line end in the value would break the file apart; it is cut there.
    const std::string sWertZeile = sWert.substr(0, sWert.find_first_of("\r\n"));
    const std::string sNeu = sSchluesselT + "=" + sWertZeile;
    const long iKopf = AbschnittSuchen(z, sAbschnittT);
    if (iKopf < 0) {
        z.zeilen.push_back("[" + sAbschnittT + "]");
        z.zeilen.push_back(sNeu);
        return;
    }
    const size_t uEnde = AbschnittEnde(z, static_cast<size_t>(iKopf));
    std::string sK, sW;
    for (size_t i = static_cast<size_t>(iKopf) + 1; i < uEnde; ++i) {
        if (bSchluesselDerZeile(z.zeilen[i], sK, sW) && bGleichOhneGross(sK, sSchluesselT)) {
            z.zeilen[i] = sK + "=" + sWertZeile;  // the key keeps its spelling
            return;
        }
    }
    // After the section's last non-blank line, so that a blank line before
    // the next section stays where it was.
    size_t uPos = uEnde;
    while (uPos > static_cast<size_t>(iKopf) + 1 && Trimmen(z.zeilen[uPos - 1]).empty())
        --uPos;
    z.zeilen.insert(z.zeilen.begin() + static_cast<long>(uPos), sNeu);
}

} // namespace

bool bProfilStringSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                            const std::string& sSchluessel, const std::string& sWert)
{
    return bProfilStringsSchreiben(sDatei, sAbschnitt, {{sSchluessel, sWert}});
}

namespace {

std::vector<TProfilZeile> ZeilenBeurteilen(const TZeilen& z)
{
    std::vector<TProfilZeile> v;
    v.reserve(z.zeilen.size());
    std::string sAbschnitt;
    bool bVor = true, bErster = false;
    std::vector<std::string> gesehen;
    for (const std::string& sZeile : z.zeilen) {
        TProfilZeile p;
        p.sText = sZeile;
        const std::string s = Trimmen(sZeile);
        if (const auto sName = AbschnittDerZeile(s)) {
            sAbschnitt = *sName;
            bVor = false;
            bErster = std::none_of(gesehen.begin(), gesehen.end(),
                                   [&](const std::string& g) { return bGleichOhneGross(g, sAbschnitt); });
            if (bErster)
                gesehen.push_back(sAbschnitt);
        } else if (!s.empty() && s[0] != ';') {
            p.bSchluessel = bSchluesselDerZeile(s, p.sSchluessel, p.sWert);
            p.bLesbar = p.bSchluessel;
        }
        if (bSteuerzeichen(sZeile)) {
            p.bLesbar = false;
            p.bSchluessel = false;
        }
        p.sAbschnitt = sAbschnitt;
        p.bVorAbschnitt = bVor;
        p.bErsterAbschnitt = bErster;
        v.push_back(std::move(p));
    }
    return v;
}

bool bSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                const std::vector<std::pair<std::string, std::string>>& paare,
                const std::function<bool(const TProfilZeile&)>* pWeglassen)
{
    const std::string sAbschnittT = Trimmen(sAbschnitt);
    if (paare.empty())
        return false;
    for (const auto& [sSchluessel, sWert] : paare)
        if (bNamenUngueltig(sAbschnittT, Trimmen(sSchluessel)))
            return false;
    TZeilen z = Laden(sDatei);
    if (pWeglassen) {
        const std::vector<TProfilZeile> beurteilt = ZeilenBeurteilen(z);
        std::vector<std::string> bleiben;
        for (size_t i = 0; i < beurteilt.size(); ++i)
            if (!(*pWeglassen)(beurteilt[i]))
                bleiben.push_back(z.zeilen[i]);
        z.zeilen = std::move(bleiben);
    }
    for (const auto& [sSchluessel, sWert] : paare)
        SchluesselSetzen(z, sAbschnittT, Trimmen(sSchluessel), sWert);
    std::string sInhalt = z.bBom ? kBom : "";
    // A line that ends in a carriage return of its own keeps it: ended
    // with "\n" alone, the reader would take that return for the line end,
    // and a line that opened no section could open one after the write.
    for (const std::string& s : z.zeilen)
        sInhalt += s + (!s.empty() && s.back() == '\r' ? "\r\n" : "\n");
    return bDateiAtomarSchreiben(sDatei, sInhalt);
}

} // namespace

bool bProfilStringsSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                             const std::vector<std::pair<std::string, std::string>>& paare)
{
    return bSchreiben(sDatei, sAbschnitt, paare, nullptr);
}

bool bProfilStringsSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                             const std::vector<std::pair<std::string, std::string>>& paare,
                             const std::function<bool(const TProfilZeile&)>& bWeglassen)
{
    return bSchreiben(sDatei, sAbschnitt, paare, &bWeglassen);
}

bool bProfilZeilenLesen(const std::string& sDatei, std::vector<TProfilZeile>& zeilen)
{
    zeilen.clear();
    std::error_code ec;
    if (!std::filesystem::exists(sDatei, ec) && !ec)
        return true;
    std::string sRoh, sInhalt;
    if (!bDateiLesen(sDatei, sRoh) || !bTextDekodieren(sRoh, sInhalt))
        return false;
    zeilen = ZeilenBeurteilen(Zerlegen(sRoh, sInhalt));
    return true;
}

std::vector<std::pair<std::string, std::string>>
ProfilAbschnittLesen(const std::string& sDatei, const std::string& sAbschnitt)
{
    std::vector<std::pair<std::string, std::string>> paare;
    const TZeilen z = Laden(sDatei);
    const long iKopf = AbschnittSuchen(z, sAbschnitt);
    if (iKopf < 0)
        return paare;
    const size_t uEnde = AbschnittEnde(z, static_cast<size_t>(iKopf));
    std::string sK, sW;
    for (size_t i = static_cast<size_t>(iKopf) + 1; i < uEnde; ++i) {
        if (bSchluesselDerZeile(z.zeilen[i], sK, sW))
            paare.emplace_back(sK, sW);
    }
    return paare;
}

std::vector<std::string> ProfilAbschnitteLesen(const std::string& sDatei)
{
    std::vector<std::string> namen;
    for (const std::string& sZeile : Laden(sDatei).zeilen) {
        if (const auto sName = AbschnittDerZeile(sZeile))
            namen.push_back(*sName);
    }
    return namen;
}
