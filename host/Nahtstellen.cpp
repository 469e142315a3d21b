// Seams: functions the main window calls whose owners have not built them
// yet. Each body is empty on purpose (nothing is pretended); the owner
// deletes the definition here when implementing it in the own unit.
#include <string>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Nahtstellen.h"

#include <QToolBar>

// Seam: end of the engine communication and closing of the sockets.
int KommuBeenden(bool) { return 1; }
// Seam: take-over of the listening socket on port 102.
bool bPort102Uebernehmen() { return true; }
// Seam: attach of the project's IP data at panel load (not built yet; the
// load ignores the result).
bool bIPDatenAnmelden(const std::string&) { return false; }
// Seam: loading the block dump at panel load (not built yet; nothing is
// loaded, no block is counted).
bool bWLDDateiLaden(const std::string&, int& iAnzahl)
{
    iAnzahl = 0;
    return false;
}

// Seam: block dump to "Startup.wld".
void THauptformular::StartupWldSchreiben() {}


// Seam: PLC settings dialog and the presets program's message.
void THauptformular::aExtras_RavoDAVEinstellungenExecute() {}
void THauptformular::ApplicationEvents1Message(uint32_t, bool&) {}

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

// Interim: the limits of the panel area belong to the editing operations;
// the motion needs them now. Objects are children of the panel area: the
// tool bar lies at its top, the status panel at its bottom. The editor's
// unit takes these over (and this block goes).
int32_t THauptformular::WerkzeugleistenHoehe()
{
    return ToolBar1 && !ToolBar1->isHidden() ? ToolBar1->height() : 0;
}
void THauptformular::ClientBereichHolen(int32_t& iRechts, int32_t& iUnten)
{
    iRechts = Arbeitsflaeche->width();
    iUnten = Arbeitsflaeche->height();
    if (StatusPanel && !StatusPanel->isHidden()) iUnten -= StatusPanel->height();
}
