// Seams: functions the main window calls whose owners have not built them
// yet. Each body is empty on purpose (nothing is pretended); the owner
// deletes the definition here when implementing it in the own unit.
#include <string>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Nahtstellen.h"

// Seam: loading the block dump at panel load (not built yet; nothing is
// loaded, no block is counted).
bool bWLDDateiLaden(const std::string&, int& iAnzahl)
{
    iAnzahl = 0;
    return false;
}

// Seam: block dump to "Startup.wld".
void THauptformular::StartupWldSchreiben() {}


// Seam: PLC settings dialog.
void THauptformular::aExtras_RavoDAVEinstellungenExecute() {}

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
