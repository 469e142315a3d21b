// The questions a save asks before it writes anything: which project files
// it replaces, keeps, or whether it writes nothing at all.
#pragma once

#include <string>

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
