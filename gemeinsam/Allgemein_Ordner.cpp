// Project folders: the proposal, the folder browser and the two copies.
#include "Allgemein.h"

#include "Meldungen.h"
#include "PoolText.h"
#include "WinDialoge.h"
#include "WinSystem.h"
#include "harlenzutils40.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string OhneSchlussStrich(std::string s)
{
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::string MitSchlussStrich(std::string s)
{
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

// Copies the content of one folder into another (which exists), sub folders
// with their content. Files are copied through U_DateiKopieren, which never
// leaves half a file behind.
bool bInhaltKopieren(const fs::path& pfQuelle, const fs::path& pfZiel, bool bPunktNamenAuslassen)
{
    std::error_code ec;
    fs::directory_iterator it(pfQuelle, ec), ende;
    if (ec) return false;
    for (; it != ende; it.increment(ec)) {
        if (ec) return false;
        const std::string sName = it->path().filename().string();
        if (bPunktNamenAuslassen && !sName.empty() && sName[0] == '.') continue;
        const fs::path pfNeu = pfZiel / sName;
        std::error_code ecTyp;
        if (it->is_directory(ecTyp)) {
            fs::create_directory(pfNeu, ec);
            if (ec || !bInhaltKopieren(it->path(), pfNeu, false)) return false;
        } else if (!U_DateiKopieren(pfNeu.string().c_str(), it->path().string().c_str())) {
            return false;
        }
    }
    return true;
}

// A source that may be copied into that destination: not empty (which
// would name the working folder), not the root, and not a folder that holds
// the destination (the copy would run into itself).
bool bKopierQuelleZulaessig(const std::string& sQuelle, const std::string& sZiel)
{
    if (sQuelle.empty() || sZiel.empty()) return false;
    std::error_code ec;
    const fs::path pfQuelle = fs::weakly_canonical(fs::absolute(sQuelle, ec), ec);
    if (ec || pfQuelle.empty() || pfQuelle == pfQuelle.root_path()) return false;
    const fs::path pfZiel = fs::weakly_canonical(fs::absolute(sZiel, ec), ec);
    if (ec) return false;
    const fs::path q = fs::path(OhneSchlussStrich(pfQuelle.string()));
    const fs::path z = fs::path(OhneSchlussStrich(pfZiel.string()));
    auto iq = q.begin();
    auto iz = z.begin();
    for (; iq != q.end() && iz != z.end(); ++iq, ++iz)
        if (*iq != *iz) return true;
    return iq != q.end();   // the destination is the source or lies in it
}

} // namespace

bool bProjektordnerVorschlagen(std::string& sZiel)
{
    // The documents folder counts only when it exists; a projects folder
    // below a missing one could not be created by the settings dialog.
    std::string sBasis = PersoenlicherOrdner();
    std::error_code ec;
    if (!sBasis.empty() && !fs::is_directory(sBasis, ec)) sBasis.clear();
    if (sBasis.empty()) {
        const std::string sErsatz = VeltranoUserFilesOrdner();
        fs::create_directory(OhneSchlussStrich(sErsatz), ec);
        if (fs::is_directory(sErsatz, ec)) sBasis = sErsatz;
    }
    // Without a base there is nothing to propose; the caller then asks the
    // user for a folder instead of taking a path below the root.
    if (sBasis.empty()) return false;
    sZiel = MitSchlussStrich(sBasis) + cProjektordnerName + "/";
    return true;
}

namespace {

// Where the browser opens: the folder sPfad names, or the nearest one above
// it that exists (a projects folder is made only by OK); the home folder
// when sPfad is no absolute path ("?????" before any choice).
std::string OrdnerWahlStart(const std::string& sPfad)
{
    std::error_code ec;
    fs::path pf = OhneSchlussStrich(sPfad);
    if (!pf.is_absolute()) return QDir::homePath().toStdString();
    while (!fs::is_directory(pf, ec) && pf.has_relative_path()) pf = pf.parent_path();
    return pf.string();
}

} // namespace

bool bOrdnerWaehlen(QWidget* pBesitzer, std::string& sPfad)
{
    const std::string sGewaehlt = OrdnerWaehlenDialog(pBesitzer, PoolText(6850), OrdnerWahlStart(sPfad));
    if (sGewaehlt.empty()) return false;
    sPfad = MitSchlussStrich(sGewaehlt);
    return true;
}

bool bOrdnerKopierenShell(QWidget* /*pBesitzer*/, unsigned int /*uiFlags*/, const std::string& sQuelle,
                          const std::string& sZiel)
{
    const fs::path pfQuelle = OhneSchlussStrich(sQuelle);
    const fs::path pfZiel = OhneSchlussStrich(sZiel);
    std::error_code ec;
    if (fs::exists(pfZiel, ec) || !bKopierQuelleZulaessig(sQuelle, sZiel)) return false;
    fs::create_directories(pfZiel, ec);
    bool bOk = !ec && bInhaltKopieren(pfQuelle, pfZiel, false);
    if (!bOk) FehlerMeldung(PoolTextFormat(1410, "%s%s", pfQuelle.c_str(), pfZiel.c_str()).c_str());
    return bOk;
}

bool bOrdnerKopieren(const std::string& sQuelle, const std::string& sZiel)
{
    if (!bKopierQuelleZulaessig(sQuelle, sZiel)) return false;
    std::error_code ec;
    const fs::path pfZiel = OhneSchlussStrich(sZiel);
    if (!fs::is_directory(pfZiel, ec)) {
        fs::create_directories(pfZiel, ec);
        if (ec) return false;
    }
    // The list gives every name (not only 10001), so nothing is lost.
    DateiListe liste;
    DateiListeAnlegen(&liste, MitSchlussStrich(sQuelle).c_str(), "*.*");
    DateiListeFuellen(&liste);
    std::string sPfad;
    for (int i = 0; i < liste.iAnzahl; ++i) {
        const fs::path pfNeu = pfZiel / pcDateiListeName(&liste, i);
        const fs::path pfAlt = pcDateiListePfad(&liste, i, sPfad);
        if (bDateiListeIstOrdner(&liste, i)) {
            // A sub folder of a project is copied with its content instead of
            // failing the whole copy half way.
            fs::create_directory(pfNeu, ec);
            if (ec || !bInhaltKopieren(pfAlt, pfNeu, false)) return false;
        } else if (!U_DateiKopieren(pfNeu.string().c_str(), pfAlt.string().c_str())) {
            return false;
        }
    }
    return true;
}
