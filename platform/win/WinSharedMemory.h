#pragma once
// Named shared memory block across the processes of one user session: a file
// named after the block in $XDG_RUNTIME_DIR (else /tmp/harlenz-<uid>/),
// mapped with mmap.
//
// Windows lifetime is emulated: a block backed by the paging file vanishes
// when the last process lets go of it. Every opener therefore holds a shared
// flock() on the shm descriptor. An opener that can take the lock exclusively
// finds no other live holder: it zeroes the block (like a fresh mapping, also
// when a crashed process left an old one behind), reports bNeuAngelegt = true
// and then downgrades to a shared lock. The closer that can take the lock
// exclusively is the last one and unlinks the name.
#include <cstddef>
#include <string>

struct TGeteilterSpeicher {
    void* pBasis = nullptr;     // mapping, uGroesse bytes, read and write
    size_t uGroesse = 0;
    bool bNeuAngelegt = false;  // true: this opener is the first live holder
    int iFd = -1;
    std::string sName;          // path of the backing file
};

// The step that failed, as the original's three calls tell them apart.
enum class TSpeicherFehler {
    Keiner,
    Anlegen,   // the block could not be created or sized (CreateFileMapping)
    Oeffnen,   // a block of that name exists but cannot be used (OpenFileMapping)
    Abbilden,  // the block could not be mapped (MapViewOfFile)
};

// Opens (creating when needed) the block sName with uGroesse bytes and maps
// it. False when it cannot be created, opened, sized or mapped; speicher then
// stays closed and *pFehler (when given) names the failed step. A block that
// is already open in speicher is closed first.
bool bGeteiltenSpeicherOeffnen(const std::string& sName, size_t uGroesse,
                               TGeteilterSpeicher& speicher,
                               TSpeicherFehler* pFehler = nullptr);
// Unmaps and closes; the last holder removes the name. Safe to call twice.
void GeteiltenSpeicherSchliessen(TGeteilterSpeicher& speicher);
