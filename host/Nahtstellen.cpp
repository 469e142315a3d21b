// Seams: functions the main window calls whose owners have not built them
// yet. Each body is empty on purpose (nothing is pretended); the owner
// deletes the definition here when implementing it in the own unit.
#include <string>

#include "Einstellungen.h"
#include "HauptForm.h"
#include "Nahtstellen.h"

#include <QToolBar>

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
