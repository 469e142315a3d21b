// Main window: opening the PLC settings dialog.
#include "HauptForm.h"

#include "DlgEinstellungenForm.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinDialoge.h"

void THauptformular::aExtras_RavoDAVEinstellungenExecute()
{
    if (MaskeFile.empty()) {
        InfoMeldung(PoolText(6860));
        return;
    }
    {
        TDlgEinstellungen Dlg(this);
        Dlg.FormCreate();
        // Whatever the dialog changed it has applied itself.
        iModalAusfuehren(Dlg);
    }
    ObjekteNeuZeichnen();
}
