// The main window's help menu, the notes document and the user settings.
#include "HauptForm.h"

#include "DlgInfoUeberForm.h"
#include "DlgUserEinstellungenForm.h"
#include "Hilfe.h"
#include "Programm.h"
#include "WinDialoge.h"

void THauptformular::aHilfe_HilfeExecute()
{
    HilfeAnzeigen("index.htm");
}

void THauptformular::aHilfe_Info_UeberExecute()
{
    TDlgInfoUeber dlg(this);
    iModalAusfuehren(dlg);
}

void THauptformular::aMaskeNotizenExecute()
{
    bNotizDokumentOeffnen(MaskeFile);
}

void THauptformular::aExtras_BenutzerEinstellungenExecute()
{
    TDlgUserEinstellungen dlg(this);
    iModalAusfuehren(dlg);
}
