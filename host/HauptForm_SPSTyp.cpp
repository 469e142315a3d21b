// Main window: taking the chosen CPU type over into the engine.
#include "HauptForm.h"

#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "kolv_d7ed.h"

bool THauptformular::bSPSTypUebernehmen()
{
    std::string sPfad;
    if (!pcSPSTypDatei(sPfad)) {
        D7ED_AGInternEinstellen_C312();
        bInternerSPSTyp = true;
        if (!cSPSTyp.empty()) FehlerMeldung(PoolTextFormat(1377, "%s", sPfad.c_str()));
        return false;
    }
    int iErgebnis = 0;
    const bool bOk = D7ED_DatenAusAGDateiUebernehmen(sPfad.c_str(), &iErgebnis);
    // The record is filled in either case: the settings dialog shows what
    // the file says even when the engine refused it.
    bSPSTypDateiLesen(sPfad, SPSTyp);
    if (bOk) {
        bInternerSPSTyp = false;
        return true;
    }
    D7ED_AGInternEinstellen_C312();
    bInternerSPSTyp = true;
    const std::string sDetail = SPSTypErgebnisText(iErgebnis);
    FehlerMeldung(PoolTextFormat(1359, "%s%s", sPfad.c_str(), sDetail.c_str()));
    return false;
}
