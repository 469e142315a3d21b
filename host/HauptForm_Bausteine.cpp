// The block dump "Startup.wld" beside the panel file: written at each
// switch to EDITOR and before another panel takes the engine over, loaded
// when the panel opens. The engine's blocks belong to the project that was
// open when they came in.
#include "HauptForm.h"

#include <fstream>
#include <iterator>

#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "WLDDatei.h"
#include "WinText.h"
#include "harlenzutils40.h"

namespace {

std::string DateiInhalt(const std::string& sPfad)
{
    std::ifstream f(sPfad, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Question 6760 with the singular where a count is 1.
std::string TeilDumpFrage(const std::string& sPfad, int iImFile, int iImEngine)
{
    if (iImFile == 1 && iImEngine == 1) return PoolTextFormat(6882, "%s", sPfad.c_str());
    if (iImFile == 1) return PoolTextFormat(6880, "%s%d", sPfad.c_str(), iImEngine);
    if (iImEngine == 1) return PoolTextFormat(6881, "%s%d", sPfad.c_str(), iImFile);
    return PoolTextFormat(6760, "%s%d%d", sPfad.c_str(), iImFile, iImEngine);
}

} // namespace

bool THauptformular::bTeilDumpImEngine() const
{
    return bDumpTeilweiseGeladen && uDumpTeilweiseStand == uBausteinErsetzungen();
}

bool THauptformular::DumpSchreiben(bool bNurWennAnders)
{
    if (!U_DateiVorhanden(MaskeFile.c_str())) return true;
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
        return true;
    }
    // An empty engine leaves the last dump as it is.
    if (iAnzahl < 0) return true;
    // A file made elsewhere keeps its order and the records the engine
    // does not load while the engine holds what the file gives it.
    if (bNurWennAnders && WLDLadeStand(sInhalt) == WLDLadeStand(DateiInhalt(sPfad))) return true;
    // The engine holds only what a load cut short took of this file: the
    // blocks after that point live in the file alone.
    if (bTeilDumpImEngine()) {
        const int iImFile = iWLDBausteineZaehlen(sPfad);
        if (iImFile > 0) {
            const int iAntwort = iJaNeinAbbruchFrage(TeilDumpFrage(sPfad, iImFile, iAnzahl));
            if (iAntwort != 6) {
                StatusTextSetzen(iPanelMeldung, (iImFile == 1 ? PoolText(6883)
                                                              : PoolTextFormat(6761, "%d", iImFile)).c_str());
                return iAntwort == 7;
            }
        }
    }
    // Written beside the old dump and renamed over it: a crash or a full
    // disk keeps the last good one.
    bool bAngelegt = false;
    if (!bDateiAtomarSchreiben(sPfad, sInhalt, bAngelegt)) {
        InfoMeldung(PoolTextFormat(bAngelegt ? 1323 : 1322, "%s", sPfad.c_str()));
        return true;
    }
    // The file now holds what the engine holds.
    bDumpTeilweiseGeladen = false;
    // What a dump killed half way left beside the file.
    VerwaisteTempDateienEntfernen(sPfad);
    StatusTextSetzen(iPanelMeldung, PoolTextFormat(1324, "%d", iAnzahl).c_str());
    return true;
}

bool THauptformular::StartupWldSchreiben() { return DumpSchreiben(false); }

bool THauptformular::BausteineVorMaskenwechselSichern()
{
    // The next panel empties the engine: blocks that came in since are kept.
    return DumpSchreiben(true);
}

bool THauptformular::BausteineFuerNeueMaskeAbgeben()
{
    if (!BausteineVorMaskenwechselSichern()) return false;
    AlleBausteineLoeschen();
    bDumpTeilweiseGeladen = false;
    return true;
}

void THauptformular::ProjektBausteineLaden()
{
    // The engine's blocks belong to the panel before, dumped by its opener.
    AlleBausteineLoeschen();
    bDumpTeilweiseGeladen = false;
    const std::string sDump = DateiImOrdner(cMaskenVerzeichnis, "Startup.wld");
    if (!BausteineRestaurieren || sDump.empty() || U_GetFileSizeBytes(sDump.c_str()) <= 10) return;
    TWLDLadung ladung;
    // One box names the file and what follows; the loader's own would only
    // come before it.
    ladung.bOhneAblehnungsMeldung = true;
    int iAnzahl = 0;
    // The time limit before the first block leaves the file whole, loaded
    // in part (none of it): the loader has told it.
    if (!bWLDDateiLaden(sDump, iAnzahl, &ladung) && !ladung.bVorzeitigBeendet) {
        // A file that changed under the load leaves a part behind.
        AlleBausteineLoeschen();
        FehlerMeldung(PoolTextFormat(6752, "%s", sDump.c_str()));
        return;
    }
    if (ladung.bVorzeitigBeendet) {
        bDumpTeilweiseGeladen = true;
        uDumpTeilweiseStand = uBausteinErsetzungen();
    }
}
