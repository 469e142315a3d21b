#include "Hilfe.h"

#include "Dateinamen.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "ProgrammWerte.h"
#include "WinProzess.h"
#include "WinRegistry.h"
#include "WinText.h"
#include "WinZeit.h"
#include "harlenzutils40.h"
#include "kolv_spr2.h"

#include <vector>

namespace {

bool bUnveraendertNehmen(const std::string& s)
{
    return s.find("http:") != std::string::npos || (s.size() >= 2 && s[1] == ':') ||
           (!s.empty() && s[0] == '/');
}

} // namespace

std::string HilfeSeitenPfad(const std::string& sSeite)
{
    if (bUnveraendertNehmen(sSeite)) return sSeite;
    const char* pcFormat = SPR_GetTextSprache() == 1 ? "%s__system/HELP/DE/%s" : "%s__system/HELP/EN/%s";
    return TextFormatieren(pcFormat, "%s%s", cExeVerzeichnis.c_str(), sSeite.c_str());
}

void HilfeAnzeigen(const std::string& sSeite)
{
    HilfeViewerStarten(HilfeSeitenPfad(sSeite));
}

std::string HilfeViewerKommandozeile(const std::string& sSprache)
{
    std::string sProgramm = cExeVerzeichnis + "harlenzhelp";
    // A folder with blanks would split the program path on the command line.
    if (sProgramm.find_first_of(" \t") != std::string::npos) sProgramm = "\"" + sProgramm + "\"";
    return TextFormatieren("%s /App=%s %s# /Lang=%s", "%s%s%s%s", sProgramm.c_str(), cProgrammName,
                           cProgrammVersion, sSprache.c_str());
}

void HilfeViewerStarten(const std::string& sPfad)
{
    if (sPfad.find("http:") == std::string::npos && !U_DateiVorhanden(sPfad.c_str())) {
        FehlerMeldung(PoolTextFormat(1260, "%s", sPfad.c_str()));
        return;
    }
    SanduhrEin();
    const std::string sSprache = SPR_GetTextSprache() == 1 ? "DE" : "EN";
    // A failed write must not let the viewer show the page of an earlier
    // call that is still stored.
    const bool bGeschrieben = bRegWertSchreiben(cHilfeSchluessel, cHilfeWert, sPfad);
    // The viewer reads the page from the registry; give the write a moment
    // as the other programs of the family expect.
    Sleep(300);
    std::string sGelesen;
    if (bGeschrieben && bRegWertLesen(cHilfeSchluessel, cHilfeWert, sGelesen) && !sGelesen.empty())
        WinExec(HilfeViewerKommandozeile(sSprache));
    SanduhrAus();
}

std::string NotizDokumentPfad(const std::string& sMaskeFile)
{
    std::vector<char> puffer(sMaskeFile.begin(), sMaskeFile.end());
    puffer.push_back('\0');
    U_DateiEndungEntfernen(puffer.data());
    // A notes file from Windows may be "BEISPIEL.RTF" beside "Beispiel.maske_ini".
    const std::string sPfad = std::string(puffer.data()) + ".rtf";
    const std::size_t n = sPfad.rfind('/');
    if (n == std::string::npos) return sPfad;
    const std::string sGefunden = DateiImOrdner(sPfad.substr(0, n + 1), sPfad.substr(n + 1));
    return sGefunden.empty() ? sPfad : sGefunden;
}

bool bNotizDokumentOeffnen(const std::string& sMaskeFile)
{
    if (sMaskeFile.empty()) return true;
    const std::string sPfad = NotizDokumentPfad(sMaskeFile);
    if (!U_DateiVorhanden(sPfad.c_str())) {
        const std::string sVorlage =
            TextFormatieren("%s__system/DokumentLeer.rtf", "%s", cExeVerzeichnis.c_str());
        // Without the document the desktop could only report a missing file;
        // say what went wrong instead.
        if (!U_DateiKopieren(sPfad.c_str(), sVorlage.c_str())) {
            FehlerMeldung(PoolTextFormat(1411, "%s", PfadAlsUtf8(sPfad).c_str()));
            return false;
        }
    }
    // Without a program for RTF files the user still learns where the
    // document is, to open it with a program of their own choice.
    // A folder from Windows is named in its reading, not as U+FFFD.
    if (!ShellExecuteOeffnen(sPfad)) InfoMeldung(PoolTextFormat(6000, "%s", PfadAlsUtf8(sPfad).c_str()));
    return true;
}
