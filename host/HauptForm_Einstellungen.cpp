// The command line, evaluated once at the delayed start: a panel to open
// and the switches that shape the window for it.
#include "HauptForm.h"

#include <QMenuBar>
#include <QToolBar>

#include "Einstellungen.h"
#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinText.h"

namespace {

bool bEnthaelt(const std::string& s, const char* pcTeil)
{
    return s.find(pcTeil) != std::string::npos;
}

// The window loses its menu; with a panel the window also becomes as much
// lower as the menu was high. A menu already gone changes nothing, so
// "/NOMENU" together with "/RUNTIME" shrinks the window only once.
void MenueEntfernen(THauptformular* pForm, bool bHoeheAnpassen)
{
    if (!pForm->MainMenu1 || pForm->MainMenu1->isHidden()) return;
    const int iMenueHoehe = pForm->MainMenu1->sizeHint().height();
    pForm->MainMenu1->hide();
    if (bHoeheAnpassen) pForm->resize(pForm->width(), pForm->height() - iMenueHoehe);
}

// The tool bar is shown at start; the switches hide it. The on/off action
// toggles, so it runs only while the bar is still shown ("/NOMOUSEBAR"
// together with "/RUNTIME" must not bring it back).
void WerkzeugleisteVerbergen(THauptformular* pForm)
{
    if (pForm->ToolBar1 && !pForm->ToolBar1->isHidden()) pForm->aAnsichtMausbuttonOnOffExecute();
}

} // namespace

void KommandozeileAuswerten(bool& bMaskeGeladen)
{
    THauptformular* pForm = Hauptformular;
    const std::string sZeile = Kommandozeile();

    // The extension in any letter case: "BEISPIEL.MASKE_INI" from Windows.
    const std::string sGenannt = MaskenPfadAusKommandozeile(sZeile, KommandozeilenProgramm());
    if (!sGenannt.empty()) {
        const std::string sPfad = DateiPfadFinden(sGenannt);
        if (!sPfad.empty()) {
            if (!pForm || pForm->BausteineVorMaskenwechselSichern()) {
                MaskeFile = sPfad;
                // The switches that need a panel act only when it was opened.
                if (pForm && pForm->bMaskeLesen(sPfad)) bMaskeGeladen = true;
            }
        } else {
            InfoMeldung(PoolTextFormat(1259, "%s", PfadAlsUtf8(sGenannt).c_str()));
        }
    }
    if (bEnthaelt(sZeile, "/NOMENU") && pForm) MenueEntfernen(pForm, bMaskeGeladen);
    if (bEnthaelt(sZeile, "/NOMOUSEBAR") && bMaskeGeladen && pForm) WerkzeugleisteVerbergen(pForm);
    // "/RUNTIME" holds "/RUN": a runtime start comes up in RUN mode.
    if (bEnthaelt(sZeile, "/RUN") && bMaskeGeladen && pForm && pForm->bEditorModus)
        pForm->aMaske_RUN_EDITORExecute();
    if (bEnthaelt(sZeile, "/READONLY")) bNurLesen = true;
    if (bEnthaelt(sZeile, "/PRJ=\"")) {
        const std::string sOrdner = ProjektordnerAusKommandozeile(sZeile);
        if (!sOrdner.empty()) UserDir = sOrdner;
    }
    if (bEnthaelt(sZeile, "/RUNTIME") && bMaskeGeladen && pForm) {
        bNurLesen = true;
        WerkzeugleisteVerbergen(pForm);
        MenueEntfernen(pForm, true);
    }
}
