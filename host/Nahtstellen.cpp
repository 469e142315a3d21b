// Seams: functions the main window calls whose owners have not built them
// yet. Each body is empty on purpose (nothing is pretended); the owner
// deletes the definition here when implementing it in the own unit.
#include <string>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Nahtstellen.h"


// Seam: language switching.
void THauptformular::SpracheUmschalten(int) {}

// Seam: motion profiles.
void THauptformular::aMaskeBewegungsprofileExecute() {}
void THauptformular::BewegungsprofileAusfuehren() {}
void THauptformular::BewegungsprofileStarten() {}
void THauptformular::BewegungsprofileZuruecksetzen() {}
