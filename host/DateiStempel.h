// The project files as this program last read or wrote them (size and
// modification time), so that a save never writes over what another program
// (a second instance, an editor, a file sync) changed meanwhile.
#pragma once

#include <string>

// Notes the file's present size and modification time (or that it is
// missing) as the state this program knows; after each own read and write.
void DateiStempelMerken(const std::string& sPfad);
// True when the file exists (as a plain file or a link) and differs in size
// or modification time from the state noted for it, or has become a link or
// stopped being one. A file never noted, or missing now, holds nothing that
// a write could lose: false.
bool bDateiFremdGeaendert(const std::string& sPfad);

// After Save as: the copies in the new folder are as they are on disk; the
// panel file and the two project files there count as known.
void ProjektStempelMerken(const std::string& sOrdner, const std::string& sMaske);
