// Main window: the property dialog of a panel object, chosen by its kind.
// Used for a new object before it is inserted and for an existing one.
#include "HauptForm.h"

#include "DlgAnalog.h"
#include "DlgDynamischerText.h"
#include "DlgLEDForm.h"
#include "DlgNeuStatischerTextForm.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "WinDialoge.h"

int32_t THauptformular::ObjektEigenschaftenDialog(TMyObj* pObj, bool bNeu)
{
    StatusTextSetzen(iPanelMeldung, "");
    if (!pObj) return 0;
    int32_t iErgebnis = 0;
    // After OK the object applies its properties to itself (its size from
    // its text or its pictures). After Cancel it stays exactly as it was.
    switch (pObj->Obj) {
    case Statische_Beschriftung: {
        TDlgNeuStatischerText dlg(this, bNeu, pObj);
        iErgebnis = iModalAusfuehren(dlg);
        if (iErgebnis == 1)
            pObj->SetEigenschaftenStaticText(pObj->Text0, pObj->ColorLo, pObj->ColorHi, pObj->Transparent);
        break;
    }
    case Dynamische_Beschriftung: {
        TDlgDynamischerTextForm dlg(this, bNeu, pObj);
        iErgebnis = iModalAusfuehren(dlg);
        if (iErgebnis == 1) pObj->SetEigenschaftenDynamischerText(pObj, -1, -1);
        break;
    }
    case LED: {
        TDlgLED dlg(this, bNeu, pObj);
        iErgebnis = iModalAusfuehren(dlg);
        if (iErgebnis == 1) pObj->SetEigenschaftenLED(pObj, -1, -1);
        break;
    }
    case AnalogEingang: {
        TDlgAnalog dlg(this, MessbereicheEingabe, iAnzahlMessbereicheEingabe, pObj);
        iErgebnis = iModalAusfuehren(dlg);
        break;
    }
    case AnalogerAusgang: {
        TDlgAnalog dlg(this, MessbereicheAusgabe, iAnzahlMessbereicheAusgabe, pObj);
        iErgebnis = iModalAusfuehren(dlg);
        break;
    }
    default:
        return 0;
    }
    if (iErgebnis == 1) pObj->Zeichnen();
    return iErgebnis;
}
