// Block files ("WLD"): the engine's blocks as a plain run of block images
// (each exactly as the engine reads and takes it, 36-byte header first),
// without any file header. "Startup.wld" in the project folder is the dump
// written at each switch to EDITOR and loaded back when the panel opens.
#pragma once

#include <map>
#include <string>
#include <utility>

// What a load is told and tells besides its result.
struct TWLDLadung {
    // In: a refused file shows no box of the loader; the caller tells it.
    bool bOhneAblehnungsMeldung = false;
    // Out: the load stopped early (time limit, or a block too long after
    // loaded ones): the engine holds only a part of the file's blocks.
    // Also with false, when the time limit came before the first block the
    // engine takes (told in the limit's own box, the engine kept as it was).
    bool bVorzeitigBeendet = false;
};

// Loads a block file into the engine. The whole file is checked first;
// only a file that passes loses the engine its old blocks. True with the
// number of blocks the engine took in iAnzahl; false for a file that
// cannot be opened or is no block file (no message) or is damaged (box),
// also when no block of it could be loaded (none of a type the engine
// takes before its end or before a block too long to load).
bool bWLDDateiLaden(const std::string& sPfad, int& iAnzahl, TWLDLadung* pLadung = nullptr);

// The blocks of a type the engine takes that a block file holds, counted
// by their headers up to its end mark (blocks too long to load and one cut
// by the end of the file included); -1 when the file cannot be read.
int iWLDBausteineZaehlen(const std::string& sPfad);

// What a load of these block-file bytes leaves in the engine, by type and
// number: the last image of each type the engine takes, up to the end mark
// or a block too long to load; nothing for bytes the loader refuses. The
// time limit is left out.
std::map<std::pair<unsigned, unsigned>, std::string> WLDLadeStand(const std::string& sInhalt);

// Deletes every block of the engine except its own system functions and
// system function blocks.
void AlleBausteineLoeschen();

// How often the engine's blocks were deleted as a whole so far: a caller
// that remembers the value knows whether they were replaced since.
unsigned uBausteinErsetzungen();

// Results of iBausteinDumpErstellen besides a block count: nothing is to
// be written, because the engine holds no block at all, or because its
// block directory could not be read.
constexpr int iDUMP_LEER = -1;
constexpr int iDUMP_OHNE_VERZEICHNIS = -2;

// The dump of the engine's blocks as file content (system functions and
// system function blocks left out); the number of blocks in it, or one of
// the results above.
int iBausteinDumpErstellen(std::string& sInhalt);
