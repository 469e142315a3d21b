// The part of the fuzz helpers that needs the main program: its program
// folder with the texts loaded. Kept apart, so that a target of the
// presets program links without the main program.
#include "FuzzHilfe.h"

#include <cstdlib>
#include <filesystem>

#include "Programm.h"

namespace fs = std::filesystem;

namespace fuzzhilfe {

void ProgrammStarten()
{
    static bool bFertig = false;
    if (bFertig) return;
    bFertig = true;
    EigeneUmgebung();
    QtStarten();
    const char* pc = std::getenv("VELTRANO_PROGRAMMORDNER");
    const fs::path pfQuelle = pc && *pc ? fs::path(pc) : fs::path(VELTRANO_PROGRAMMORDNER_BAU);
    const fs::path pfZiel = Ordner() + "programm";
    fs::copy(pfQuelle, pfZiel, fs::copy_options::recursive);
    StartVorbereiten(pfZiel.string() + "/");
}

} // namespace fuzzhilfe
