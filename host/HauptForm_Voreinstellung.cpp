// The closing notice of the presets program: the presets it stored are
// written into the project's IP data file and attached again.
#include "HauptForm.h"

#include "IPDaten.h"
#include "Maske.h"
#include "kolv_d7ed.h"

void THauptformular::ApplicationEvents1Message(uint32_t uiMeldung, bool& bBehandelt)
{
    if (uiMeldung != uiVoreinstellMeldung || uiVoreinstellMeldung == 0)
        return;
    bBehandelt = true;
    // A notice of a presets program this window did not start is swallowed.
    if (iVoreinstellStarts == 0)
        return;
    --iVoreinstellStarts;
    // Without a project there is no file to write into: the presets stay in
    // the engine's storage and the next panel open attaches them.
    if (cMaskenVerzeichnis.empty())
        return;
    int iFehler = 0;
    D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler);
    bIPDatenAnmelden(ProjektDateiPfad(cMaskenVerzeichnis, "IPADR.DAT"));
}
