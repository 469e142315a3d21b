// Block files ("WLD"): the engine's blocks as a plain run of block images
// (each exactly as the engine reads and takes it, 36-byte header first),
// without any file header. "Startup.wld" in the project folder is the dump
// written at each switch to EDITOR and loaded back when the panel opens.
#pragma once

#include <string>

// Loads a block file into the engine. The whole file is checked first;
// only a file that passes loses the engine its old blocks. True with the
// number of blocks the engine took in iAnzahl; false for a file that
// cannot be opened or is no block file (no message) or is damaged (box),
// also when its first block is too long to load.
bool bWLDDateiLaden(const std::string& sPfad, int& iAnzahl);

// Deletes every block of the engine except its own system functions and
// system function blocks.
void AlleBausteineLoeschen();

// Results of iBausteinDumpErstellen besides a block count: nothing is to
// be written, because the engine holds no block at all, or because its
// block directory could not be read.
constexpr int iDUMP_LEER = -1;
constexpr int iDUMP_OHNE_VERZEICHNIS = -2;

// The dump of the engine's blocks as file content (system functions and
// system function blocks left out); the number of blocks in it, or one of
// the results above.
int iBausteinDumpErstellen(std::string& sInhalt);
