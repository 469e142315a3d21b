// The block dump "Startup.wld" beside the panel file: written at each
// switch to EDITOR, loaded when the panel opens.
#include "HauptForm.h"

#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "WLDDatei.h"
#include "WinText.h"
#include "harlenzutils40.h"

void THauptformular::StartupWldSchreiben()
{
    if (!U_DateiVorhanden(MaskeFile.c_str())) return;
    std::string sOrdner(MaskeFile.size() + 1, '\0');
    U_FilenameVonPfadEntfernen(sOrdner.data(), MaskeFile.c_str());
    sOrdner.resize(std::char_traits<char>::length(sOrdner.c_str()));
    // A dump copied from Windows under another letter case is the one
    // replaced, so no second file appears beside it.
    const std::string sPfad = ProjektDateiPfad(sOrdner, "Startup.wld");

    std::string sInhalt;
    const int iAnzahl = iBausteinDumpErstellen(sInhalt);
    if (iAnzahl == iDUMP_OHNE_VERZEICHNIS) {
        InfoMeldung(PoolTextFormat(6753, "%s", sPfad.c_str()));
        return;
    }
    // An empty engine leaves the last dump as it is.
    if (iAnzahl < 0) return;
    // Written beside the old dump and renamed over it: a crash or a full
    // disk keeps the last good one.
    bool bAngelegt = false;
    if (!bDateiAtomarSchreiben(sPfad, sInhalt, bAngelegt)) {
        InfoMeldung(PoolTextFormat(bAngelegt ? 1323 : 1322, "%s", sPfad.c_str()));
        return;
    }
    // What a dump killed half way left beside the file.
    VerwaisteTempDateienEntfernen(sPfad);
    StatusTextSetzen(iPanelMeldung, PoolTextFormat(1324, "%d", iAnzahl).c_str());
}

void THauptformular::StartupWldLaden(const std::string& sPfad)
{
    int iAnzahl = 0;
    if (bWLDDateiLaden(sPfad, iAnzahl)) return;
    // The engine still holds the blocks of the panel opened before. Kept
    // there, they would run in this project, and the next switch to EDITOR
    // would dump them over this project's file.
    AlleBausteineLoeschen();
    FehlerMeldung(PoolTextFormat(6752, "%s", sPfad.c_str()));
}
