// The directory list: the names of one folder that match an extension.
#include "Allgemein.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char cKlein(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Wildcard match with '*' and '?', letter case ignored, as the Windows
// search does it.
bool bPasst(const char* pcMuster, const char* pcName)
{
    const char* pcStern = nullptr;
    const char* pcNachStern = nullptr;
    while (*pcName) {
        if (*pcMuster == '*') {
            pcStern = pcMuster++;
            pcNachStern = pcName;
        } else if (*pcMuster == '?' || (*pcMuster && cKlein(*pcMuster) == cKlein(*pcName))) {
            ++pcMuster;
            ++pcName;
        } else if (pcStern) {
            pcMuster = pcStern + 1;
            pcName = ++pcNachStern;
        } else {
            return false;
        }
    }
    while (*pcMuster == '*') ++pcMuster;
    return *pcMuster == '\0';
}

// Windows lets a trailing ".*" of a pattern match a name without a dot, so
// "*.*" (and the "*.*.*" of an extension "*.*") match every name.
bool bPasstWindows(const std::string& sMuster, const std::string& sName)
{
    if (bPasst(sMuster.c_str(), sName.c_str())) return true;
    if (sMuster.size() >= 2 && sMuster.compare(sMuster.size() - 2, 2, ".*") == 0)
        return bPasstWindows(sMuster.substr(0, sMuster.size() - 2), sName);
    return false;
}

} // namespace

void DateiListeAnlegen(DateiListe* pListe, const char* pcOrdnerOderPfad, const char* pcEndung)
{
    if (!pListe) return;
    DateiListeLeeren(pListe);
    std::string sOrdner = pcOrdnerOderPfad ? pcOrdnerOderPfad : "";
    // A file path loses its file name. Only the last component counts, and
    // an existing folder is kept as it is: folder names with a dot are
    // common on Linux.
    std::error_code ec;
    std::size_t nLetzter = sOrdner.find_last_of('/');
    std::string sLetzter = nLetzter == std::string::npos ? sOrdner : sOrdner.substr(nLetzter + 1);
    if (sLetzter.find('.') != std::string::npos && !fs::is_directory(sOrdner, ec))
        sOrdner = nLetzter == std::string::npos ? std::string() : sOrdner.substr(0, nLetzter + 1);
    if (sOrdner.empty() || sOrdner.back() != '/') sOrdner += '/';
    pListe->sOrdner = sOrdner;
    pListe->sEndung = pcEndung ? pcEndung : "";
}

void DateiListeFuellen(DateiListe* pListe)
{
    if (!pListe) return;
    DateiListeLeeren(pListe);
    const std::string sMuster = "*." + pListe->sEndung;
    std::error_code ec;
    fs::directory_iterator it(pListe->sOrdner, ec), ende;
    for (; !ec && it != ende; it.increment(ec)) {
        std::string sName = it->path().filename().string();
        if (sName.empty() || sName[0] == '.') continue;
        if (!bPasstWindows(sMuster, sName)) continue;
        std::error_code ecTyp;
        pListe->Eintraege.push_back({sName, it->is_directory(ecTyp)});
    }
    // The Windows search gives names in sorted order on its file systems;
    // the Linux folder order is arbitrary, so sort for the same lists.
    std::sort(pListe->Eintraege.begin(), pListe->Eintraege.end(),
              [](const DateiListeEintrag& a, const DateiListeEintrag& b) { return a.sName < b.sName; });
    pListe->iAnzahl = static_cast<int>(pListe->Eintraege.size());
}

const char* pcDateiListeName(const DateiListe* pListe, int i)
{
    if (!pListe || i < 0 || i >= pListe->iAnzahl) return "";
    return pListe->Eintraege[static_cast<std::size_t>(i)].sName.c_str();
}

const char* pcDateiListePfad(const DateiListe* pListe, int i, std::string& sPuffer)
{
    sPuffer.clear();
    if (pListe && i >= 0 && i < pListe->iAnzahl)
        sPuffer = pListe->sOrdner + pListe->Eintraege[static_cast<std::size_t>(i)].sName;
    return sPuffer.c_str();
}

bool bDateiListeIstOrdner(const DateiListe* pListe, int i)
{
    if (!pListe || i < 0 || i >= pListe->iAnzahl) return false;
    return pListe->Eintraege[static_cast<std::size_t>(i)].bOrdner;
}

void DateiListeLeeren(DateiListe* pListe)
{
    if (!pListe) return;
    pListe->Eintraege.clear();
    pListe->Eintraege.shrink_to_fit();
    pListe->iAnzahl = 0;
}

void DateiListeFreigeben(DateiListe* pListe, int iFlags)
{
    if (!pListe) return;
    DateiListeLeeren(pListe);
    if (iFlags & 1) delete pListe;
}
