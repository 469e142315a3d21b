// Seams: functions the main window calls whose owners have not built them
// yet. Each body is empty on purpose (nothing is pretended); the owner
// deletes the definition here when implementing it in the own unit.
#include <string>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Nahtstellen.h"

// Seam: end of the engine communication and closing of the sockets.
int KommuBeenden(bool) { return 1; }
// Seam: take-over of the listening socket on port 102.
bool bPort102Uebernehmen() { return true; }
// Seam: attach of the project's IP data at panel load (not built yet; the
// load ignores the result).
bool bIPDatenAnmelden(const std::string&) { return false; }

// Seam: the presets program's message.
void THauptformular::ApplicationEvents1Message(uint32_t, bool&) {}
// Seam: starting the presets program (not built yet: nothing starts).
void VoreinstellDialogStarten() {}
// Seam: the PC's addresses (not built yet: none can be told).
bool bHostIPAdressenLesen(std::vector<std::string>&) { return false; }

// Seam: language switching.
void THauptformular::SpracheUmschalten(int) {}

// Seam: panel objects, selection, editing, motion.
void THauptformular::WerkzeugAnzeigen() {}
void THauptformular::AllesMarkieren() {}
void THauptformular::MarkierenWeiter(bool) {}
void THauptformular::MarkierteLoeschen() {}
void THauptformular::AusrichtenLinks() {}
void THauptformular::AusrichtenOben() {}
void THauptformular::GleicherAbstandVertikal() {}
void THauptformular::aMaske_PfeilExecute() {}
void THauptformular::aMaskeAnordnenVorneExecute() {}
void THauptformular::aMaskeAnordnenHintenExecute() {}
void THauptformular::aMaskeBewegungsprofileExecute() {}
void THauptformular::BewegungsprofileAusfuehren() {}
void THauptformular::BewegungsprofileStarten() {}
void THauptformular::BewegungsprofileZuruecksetzen() {}
