// The closing notice of the presets program: presets it changed go into the
// project's IP data file with the user's word where that file needs it, and
// the sockets follow the presets.
#include "HauptForm.h"

#include "SpeicherFragen.h"
#include "IPDaten.h"
#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"

void THauptformular::ApplicationEvents1Message(uint32_t uiMeldung, bool& bBehandelt)
{
    if (uiMeldung != uiVoreinstellMeldung || uiVoreinstellMeldung == 0)
        return;
    bBehandelt = true;
    // A notice of a presets program this window did not start is swallowed.
    if (iVoreinstellStarts == 0)
        return;
    --iVoreinstellStarts;
    // After Cancel, or OK without a change, the file stays as it is. Without
    // a saved panel there is no file of its own (after New the folder is
    // still the previous project's): the presets stay in the engine's
    // storage until the panel is saved.
    bool bGeschrieben = false;
    if (!MaskeFile.empty() && bIPSpeicherGeaendert()) {
        const std::string sIP = ProjektDateiPfad(cMaskenVerzeichnis, "IPADR.DAT");
        if (UeberschreibenFragen(sIP, bIPDateiUngelesen(), 6731) == TUeberschreiben::Schreiben) {
            bGeschrieben = bIPDateiSchreiben(cMaskenVerzeichnis, sIP);
            if (!bGeschrieben) FehlerMeldung(PoolTextFormat(1342, "%s", sIP.c_str()));
        }
    }
    // A file not written is not read: its values would go back over the
    // presets, and a damaged one would be reported once more.
    bIPDatenNeuEinstellen(bGeschrieben);
}
