// Current-user registry string values, one file per key.
//
// A key that also has sub keys would need one name as both file and
// folder; sub keys therefore live in a folder named after the key with
// ".d" appended: "...\\Veltrano" is the file "Veltrano", the key
// "...\\Veltrano\\Fenster" the file "Veltrano.d/Fenster". So that no key's
// file can take the name of another key's folder, a key name that ends in
// ".d" or "%" is stored with one "%" appended ("b.d" -> "b.d%"); no stored
// key name then ends in ".d", and the mapping stays one to one. Files and
// folders that earlier builds wrote under the bare name are still read, and
// moved to the new name when a key is written, except where the bare name
// is another key's stored name ("b.d%" is the key "b.d", not "b.d%").
// Temporary files end in ".d" as no key file does, so that the leftovers of
// a killed write can go without taking a key with them.
#include "WinRegistry.h"

#include "WinText.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using TWerte = std::vector<std::pair<std::string, std::string>>;

std::string BasisOrdner()
{
    const char* pcXdg = std::getenv("XDG_CONFIG_HOME");
    std::string s;
    if (pcXdg && *pcXdg) {
        s = pcXdg;
    } else {
        const char* pcHome = std::getenv("HOME");
        s = std::string(pcHome && *pcHome ? pcHome : "/tmp") + "/.config";
    }
    if (s.back() != '/')
        s += '/';
    return s + "Harlenz-Software/";
}

// Key parts below the base folder; empty when the key is unusable.
std::vector<std::string> SchluesselTeile(const std::string& sSchluessel)
{
    std::vector<std::string> teile;
    std::string sTeil;
    auto abschliessen = [&]() {
        if (!sTeil.empty())
            teile.push_back(sTeil);
        sTeil.clear();
    };
    for (char c : sSchluessel) {
        if (c == '\\' || c == '/')
            abschliessen();
        else
            sTeil += c;
    }
    abschliessen();
    for (const std::string& s : teile) {
        if (s == "." || s == "..")
            return {};
    }
    if (teile.size() > 2 && bGleichOhneGross(teile[0], "Software") &&
        bGleichOhneGross(teile[1], "Harlenz-Software"))
        teile.erase(teile.begin(), teile.begin() + 2);
    return teile;
}

// Existing spelling of sTeil in sOrdner (ignoring case), else sTeil.
std::string Schreibweise(const std::string& sOrdner, const std::string& sTeil)
{
    const std::string sGefunden = DateiImOrdnerSuchen(sOrdner, sTeil);
    return sGefunden.empty() ? sOrdner + sTeil : sGefunden;
}

bool bEndetMit(const std::string& s, const std::string& sEnde)
{
    return s.size() >= sEnde.size() &&
           bGleichOhneGross(s.substr(s.size() - sEnde.size()), sEnde);
}

// The name a key part is stored under (see the head of this file).
std::string Gespeichert(const std::string& sTeil)
{
    return bEndetMit(sTeil, ".d") || bEndetMit(sTeil, "%") ? sTeil + "%" : sTeil;
}

bool bIstOrdner(const std::string& sPfad)
{
    struct stat st;
    return ::stat(sPfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool bIstDatei(const std::string& sPfad)
{
    struct stat st;
    return ::stat(sPfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// True when sTeil is what another key part is stored under: the one that
// Gespeichert() gave "%" to.
bool bNameEinesAnderen(const std::string& sTeil)
{
    return bEndetMit(sTeil, ".d%") || bEndetMit(sTeil, "%%");
}

// Path of a key's folder or file in sOrdner under its stored name; one that
// an earlier build made under the bare name sTeil (+ ".d" for a folder) is
// taken when only that exists (bSchreiben: moved to the stored name first).
std::string Eintrag(const std::string& sOrdner, const std::string& sGespeichert,
                    const std::string& sTeil, bool bOrdner, bool bSchreiben)
{
    const std::string sNeu = Schreibweise(sOrdner, sGespeichert);
    const std::string sAlt = bOrdner ? sTeil + ".d" : sTeil;
    if (sGespeichert == sAlt || bNameEinesAnderen(sTeil) || bIstOrdner(sNeu) || bIstDatei(sNeu))
        return sNeu;
    const std::string sGefunden = DateiImOrdnerSuchen(sOrdner, sAlt);
    if (sGefunden.empty() || !(bOrdner ? bIstOrdner(sGefunden) : bIstDatei(sGefunden)))
        return sNeu;
    if (!bSchreiben)
        return sGefunden;
    return ::rename(sGefunden.c_str(), sNeu.c_str()) == 0 ? sNeu : sGefunden;
}

struct TOrt {
    std::string sOrdner;  // with trailing '/'
    std::string sDatei;   // full path
};

bool bOrtBestimmen(const std::string& sSchluessel, TOrt& ort, bool bSchreiben = false)
{
    // A NUL would end the file name early: "a<NUL>b\c" would make a folder
    // named "a" where the key "a" keeps its values.
    const std::vector<std::string> teile = SchluesselTeile(sSchluessel);
    if (teile.empty() || sSchluessel.find('\0') != std::string::npos)
        return false;
    std::string sOrdner = BasisOrdner();
    for (size_t i = 0; i + 1 < teile.size(); ++i) {
        // A file an earlier build wrote for a key named "<part>.d" sits where
        // this folder goes; it moves to its stored name first.
        const std::string sOrdnerName = Gespeichert(teile[i]) + ".d";
        const std::string sBelegt = DateiImOrdnerSuchen(sOrdner, sOrdnerName);
        if (bSchreiben && !sBelegt.empty() && bIstDatei(sBelegt))
            ::rename(sBelegt.c_str(), (sOrdner + Gespeichert(sOrdnerName)).c_str());
        sOrdner = Eintrag(sOrdner, sOrdnerName, teile[i], true, bSchreiben) + '/';
    }
    ort.sOrdner = sOrdner;
    ort.sDatei = Eintrag(sOrdner, Gespeichert(teile.back()), teile.back(), false, bSchreiben);
    return true;
}

std::string Maskieren(const std::string& s, bool bName)
{
    std::string r;
    for (char c : s) {
        switch (c) {
        case '\\': r += "\\\\"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        case '=':
            if (bName) {
                r += "\\=";
                break;
            }
            r += c;
            break;
        default: r += c;
        }
    }
    return r;
}

TWerte Parsen(const std::string& sInhalt)
{
    TWerte werte;
    size_t i = 0;
    while (i < sInhalt.size()) {
        size_t uEnde = sInhalt.find('\n', i);
        if (uEnde == std::string::npos)
            uEnde = sInhalt.size();
        std::string sName, sWert;
        bool bImWert = false, bGleich = false;
        for (size_t k = i; k < uEnde; ++k) {
            char c = sInhalt[k];
            if (c == '\\' && k + 1 < uEnde) {
                const char d = sInhalt[++k];
                c = d == 'n' ? '\n' : d == 'r' ? '\r' : d;
            } else if (c == '=' && !bImWert) {
                bImWert = bGleich = true;
                continue;
            } else if (c == '\r' && k + 1 == uEnde) {
                continue;
            }
            (bImWert ? sWert : sName) += c;
        }
        if (bGleich)
            werte.emplace_back(std::move(sName), std::move(sWert));
        i = uEnde + 1;
    }
    return werte;
}

std::string Zusammensetzen(const TWerte& werte)
{
    std::string s;
    for (const auto& [sName, sWert] : werte)
        s += Maskieren(sName, true) + "=" + Maskieren(sWert, false) + "\n";
    return s;
}

bool bOrdnerAnlegen(const std::string& sOrdner)
{
    std::string sTeil;
    for (size_t i = 0; i < sOrdner.size(); ++i) {
        sTeil += sOrdner[i];
        if (sOrdner[i] == '/' && sTeil.size() > 1) {
            if (::mkdir(sTeil.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    struct stat st;
    return ::stat(sOrdner.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Serialises read-modify-write of the keys of one folder between processes.
class TOrdnerSperre {
public:
    explicit TOrdnerSperre(const std::string& sOrdner)
    {
        m_iFd = ::open(sOrdner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_iFd >= 0) {
            while (::flock(m_iFd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~TOrdnerSperre()
    {
        if (m_iFd >= 0)
            ::close(m_iFd);
    }

private:
    int m_iFd = -1;
};

// Under the folder lock: every writer of the folder holds it while its
// temporary file exists, so any other one there is a killed write's.
bool bSchluesselDateiSchreiben(const TOrt& ort, const std::string& sInhalt)
{
    bool bAngelegt = false;
    const bool bOk = bDateiAtomarSchreiben(ort.sDatei, sInhalt, bAngelegt, ".d");
    TempResteEntfernen(ort.sOrdner, {".tmp"}, ".d", 0);
    return bOk;
}

TWerte::iterator Suchen(TWerte& werte, const std::string& sName)
{
    for (auto it = werte.begin(); it != werte.end(); ++it) {
        if (bGleichOhneGross(it->first, sName))
            return it;
    }
    return werte.end();
}

} // namespace

std::string RegSchluesselDatei(const std::string& sSchluessel)
{
    TOrt ort;
    return bOrtBestimmen(sSchluessel, ort) ? ort.sDatei : std::string();
}

bool bRegWertLesen(const std::string& sSchluessel, const std::string& sName, std::string& sWert)
{
    TOrt ort;
    std::string sInhalt;
    if (!bOrtBestimmen(sSchluessel, ort) || !bDateiLesen(ort.sDatei, sInhalt))
        return false;
    TWerte werte = Parsen(sInhalt);
    const auto it = Suchen(werte, sName);
    if (it == werte.end())
        return false;
    sWert = it->second;
    return true;
}

bool bRegWertSchreiben(const std::string& sSchluessel, const std::string& sName,
                       const std::string& sWert)
{
    TOrt ort;
    if (!bOrtBestimmen(sSchluessel, ort, true) || !bOrdnerAnlegen(ort.sOrdner))
        return false;
    TOrdnerSperre sperre(ort.sOrdner);
    std::string sInhalt;
    TWerte werte;
    if (bDateiLesen(ort.sDatei, sInhalt))
        werte = Parsen(sInhalt);
    const auto it = Suchen(werte, sName);
    if (it != werte.end())
        it->second = sWert;  // the name keeps the spelling it was made with
    else
        werte.emplace_back(sName, sWert);
    return bSchluesselDateiSchreiben(ort, Zusammensetzen(werte));
}

bool bRegSchluesselAnlegen(const std::string& sSchluessel)
{
    TOrt ort;
    if (!bOrtBestimmen(sSchluessel, ort) || !bOrdnerAnlegen(ort.sOrdner))
        return false;
    TOrdnerSperre sperre(ort.sOrdner);
    std::string sInhalt;
    if (bDateiLesen(ort.sDatei, sInhalt))
        return true;
    return bSchluesselDateiSchreiben(ort, std::string());
}

bool bRegWertLoeschen(const std::string& sSchluessel, const std::string& sName)
{
    TOrt ort;
    if (!bOrtBestimmen(sSchluessel, ort))
        return false;
    struct stat st;
    if (::stat(ort.sOrdner.c_str(), &st) != 0)
        return false;
    TOrdnerSperre sperre(ort.sOrdner);
    std::string sInhalt;
    if (!bDateiLesen(ort.sDatei, sInhalt))
        return false;
    TWerte werte = Parsen(sInhalt);
    const auto it = Suchen(werte, sName);
    if (it == werte.end())
        return false;
    werte.erase(it);
    return bSchluesselDateiSchreiben(ort, Zusammensetzen(werte));
}

bool bRegSchluesselVorhanden(const std::string& sSchluessel)
{
    TOrt ort;
    if (!bOrtBestimmen(sSchluessel, ort))
        return false;
    struct stat st;
    if (::stat(ort.sDatei.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return true;
    // A key that only has sub keys exists as well.
    const std::vector<std::string> teile = SchluesselTeile(sSchluessel);
    std::string sUnter = DateiImOrdnerSuchen(ort.sOrdner, Gespeichert(teile.back()) + ".d");
    if (sUnter.empty() && !bNameEinesAnderen(teile.back()))
        sUnter = DateiImOrdnerSuchen(ort.sOrdner, teile.back() + ".d");
    return !sUnter.empty() && ::stat(sUnter.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
