// The project files as this program last read or wrote them (size and
// modification time), so that a save never writes over what another program
// (a second instance, an editor, a file sync) changed meanwhile, and the
// questions a save asks before it writes anything.
#pragma once

#include <string>

// Notes the file's present size and modification time (or that it is
// missing) as the state this program knows; after each own read and write.
void DateiStempelMerken(const std::string& sPfad);
// True when the file exists (as a plain file) and differs in size or
// modification time from the state noted for it. A file never noted, or
// missing now, holds nothing that a write could lose: false.
bool bDateiFremdGeaendert(const std::string& sPfad);

// What the user said to replacing one project file.
enum class TUeberschreiben {
    Schreiben,  // replace it (unchanged, or the user agreed)
    Behalten,   // keep it, the rest goes on (No to the damaged-file question)
    Beenden,    // nothing is written (No to the changed-on-disk question)
    Abbrechen   // Cancel in either question
};
// A file changed on disk asks text 6820; otherwise a file that could not be
// read at open (bUngelesen) asks ulFrage (6801, 6731). Either names the file.
TUeberschreiben UeberschreibenFragen(const std::string& sPfad, bool bUngelesen, unsigned long ulFrage);

// Which project files a save writes, decided before the first byte.
struct TSpeicherPlan {
    bool bPLC = true;  // PLC.DAT
    bool bIP = true;   // IPADR.DAT
};
// Asks for the panel file, PLC.DAT and IPADR.DAT in this order. False when
// the save ends with nothing written; after Cancel bSpeichernAbgebrochen()
// is true until SpeichernAbbruchVergessen().
bool bSpeicherFragen(const std::string& sMaske, const std::string& sPLC, bool bPLCUngelesen,
                     const std::string& sIP, bool bIPUngelesen, TSpeicherPlan& plan);
bool bSpeichernAbgebrochen();
void SpeichernAbbruchVergessen();

// After Save as: the copies in the new folder are as they are on disk; the
// panel file and the two project files there count as known.
void ProjektStempelMerken(const std::string& sOrdner, const std::string& sMaske);
