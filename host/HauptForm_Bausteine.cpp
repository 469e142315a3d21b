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

// True when the file holds exactly these bytes.
bool bDateiGleich(const std::string& sPfad, const std::string& sInhalt)
{
    std::ifstream f(sPfad, std::ios::binary);
    if (!f) return false;
    const std::string sDatei((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return !f.bad() && sDatei == sInhalt;
}

} // namespace

bool THauptformular::bTeilDumpImEngine() const
{
    return bDumpTeilweiseGeladen && uDumpTeilweiseStand == uBausteinErsetzungen();
}

void THauptformular::DumpSchreiben(bool bNurWennAnders)
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
    if (bNurWennAnders && bDateiGleich(sPfad, sInhalt)) return;
    // The engine holds only what a load cut short took of this file: the
    // blocks after that point live in the file alone.
    if (bTeilDumpImEngine()) {
        const int iImFile = iWLDBausteineZaehlen(sPfad);
        if (iImFile > 0 &&
            iJaNeinAbbruchFrage(PoolTextFormat(6760, "%s%d%d", sPfad.c_str(), iImFile, iAnzahl)) != 6) {
            StatusTextSetzen(iPanelMeldung, PoolTextFormat(6761, "%d", iImFile).c_str());
            return;
        }
    }
    // Written beside the old dump and renamed over it: a crash or a full
    // disk keeps the last good one.
    bool bAngelegt = false;
    if (!bDateiAtomarSchreiben(sPfad, sInhalt, bAngelegt)) {
        InfoMeldung(PoolTextFormat(bAngelegt ? 1323 : 1322, "%s", sPfad.c_str()));
        return;
    }
    // The file now holds what the engine holds.
    bDumpTeilweiseGeladen = false;
    // What a dump killed half way left beside the file.
    VerwaisteTempDateienEntfernen(sPfad);
    StatusTextSetzen(iPanelMeldung, PoolTextFormat(1324, "%d", iAnzahl).c_str());
}

void THauptformular::StartupWldSchreiben() { DumpSchreiben(false); }

void THauptformular::BausteineVorMaskenwechselSichern()
{
    // Blocks that came in since the last switch to EDITOR (from a block
    // file or the programming software) would be gone once the next panel
    // empties the engine.
    DumpSchreiben(true);
}

void THauptformular::BausteineFuerNeueMaskeAbgeben()
{
    BausteineVorMaskenwechselSichern();
    AlleBausteineLoeschen();
    bDumpTeilweiseGeladen = false;
}

void THauptformular::ProjektBausteineLaden()
{
    // Whatever the engine holds belongs to the panel open before, whose
    // dump its opener wrote: kept, it would run in this project and be
    // dumped over this project's file.
    AlleBausteineLoeschen();
    bDumpTeilweiseGeladen = false;
    const std::string sDump = DateiImOrdner(cMaskenVerzeichnis, "Startup.wld");
    if (!BausteineRestaurieren || sDump.empty() || U_GetFileSizeBytes(sDump.c_str()) <= 10) return;
    TWLDLadung ladung;
    // One box names the file and what follows; the loader's own would only
    // come before it.
    ladung.bOhneAblehnungsMeldung = true;
    int iAnzahl = 0;
    if (!bWLDDateiLaden(sDump, iAnzahl, &ladung)) {
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
