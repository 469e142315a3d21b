// The questions before a save writes, and what the user answered.
#include "SpeicherFragen.h"
#include "DateiStempel.h"
#include "PLCDatBericht.h"

#include "Meldungen.h"
#include "PoolText.h"
#include "WinMeldung.h"

namespace {

// Cancel in a save's questions, until the caller has taken note of it.
bool g_bAbgebrochen = false;

} // namespace

TUeberschreiben UeberschreibenFragen(const std::string& sPfad, bool bUngelesen, unsigned long ulFrage)
{
    if (bDateiFremdGeaendert(sPfad)) {
        // Agreeing to replace the file as it is now covers a damage found
        // in what it held before.
        const int i = iJaNeinAbbruchFrage(PoolTextFormat(6820, "%s", sPfad.c_str()));
        return i == IDYES ? TUeberschreiben::Schreiben
                          : (i == IDNO ? TUeberschreiben::Beenden : TUeberschreiben::Abbrechen);
    }
    if (!bUngelesen) return TUeberschreiben::Schreiben;
    // The PLC.DAT question also lists what will be written with defaults.
    const int i = iJaNeinAbbruchFrage(ulFrage == 6801 ? PLCDatBerichtText(ulFrage, sPfad)
                                                      : PoolTextFormat(ulFrage, "%s", sPfad.c_str()));
    return i == IDYES ? TUeberschreiben::Schreiben
                      : (i == IDNO ? TUeberschreiben::Behalten : TUeberschreiben::Abbrechen);
}

bool bSpeicherFragen(const std::string& sMaske, const std::string& sPLC, bool bPLCUngelesen,
                     const std::string& sIP, bool bIPUngelesen, TSpeicherPlan& plan)
{
    plan = TSpeicherPlan{};
    const auto Ende = [](TUeberschreiben u) {
        if (u == TUeberschreiben::Abbrechen) g_bAbgebrochen = true;
        return u == TUeberschreiben::Abbrechen || u == TUeberschreiben::Beenden;
    };
    // The panel file has no damaged state: only the changed-on-disk question.
    if (Ende(UeberschreibenFragen(sMaske, false, 0))) return false;
    const TUeberschreiben uPLC = UeberschreibenFragen(sPLC, bPLCUngelesen, 6801);
    if (Ende(uPLC)) return false;
    const TUeberschreiben uIP = UeberschreibenFragen(sIP, bIPUngelesen, 6731);
    if (Ende(uIP)) return false;
    plan.bPLC = uPLC == TUeberschreiben::Schreiben;
    plan.bIP = uIP == TUeberschreiben::Schreiben;
    return true;
}

bool bSpeichernAbgebrochen() { return g_bAbgebrochen; }

void SpeichernAbbruchVergessen() { g_bAbgebrochen = false; }
