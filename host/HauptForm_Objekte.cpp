// The main window's side of painting the panel objects and of their
// selection frames.
#include "HauptForm.h"

#include "MyObj.h"

#include <QMenuBar>
#include <QToolBar>

void THauptformular::ObjekteNeuZeichnen()
{
    // Runs inside the panel area's own paint: the objects only ask for a
    // paint when they show something new, and keep their selection frames
    // (the blink redraws them anyway).
    for (int i = 0; i < iAnzahlObjekte; ++i)
        if (Objekte[i])
            Objekte[i]->Zeichnen(false);
}

void THauptformular::MarkierungBlinken()
{
    const int32_t iFarbe = iBlinkPhase == 0 ? 0x00FFFF : 0x008000;
    for (TMyObj* p : GueltigeMarkierte())
        p->UmrandungZeichnen(iFarbe);
}

void THauptformular::MarkierungAufheben()
{
    // Each selected object repaints itself, which removes its frame.
    for (TMyObj* p : GueltigeMarkierte())
        p->Zeichnen();
    for (int i = 0; i < iMaxObjekte; ++i)
        Markierte[i] = nullptr;
    iAnzahlMarkierte = 0;
}

bool THauptformular::bIstMarkiert(TMyObj* pObj)
{
    for (int i = 0; i < iAnzahlMarkierte; ++i)
        if (Markierte[i] == pObj)
            return true;
    return false;
}

bool THauptformular::ObjektMarkieren(TMyObj* pObj)
{
    if (!pObj)
        return false;
    if (bIstMarkiert(pObj))
        return true;
    if (iAnzahlMarkierte < iMaxObjekte)
        Markierte[iAnzahlMarkierte++] = pObj;
    return false;
}

int32_t THauptformular::iObjektIndex(TMyObj* pObj)
{
    for (int i = 0; i < iAnzahlObjekte; ++i)
        if (Objekte[i] == pObj)
            return i;
    return -1;
}

int32_t THauptformular::WerkzeugleistenHoehe()
{
    return ToolBar1 && !ToolBar1->isHidden() ? ToolBar1->height() : 0;
}

void THauptformular::ClientBereichHolen(int32_t& iRechts, int32_t& iUnten)
{
    // The outer sizes less the frame edges (2 pixels each, as the window
    // edges of the desktop the panels were drawn on), the tool bar, the
    // status panel and the menu.
    constexpr int32_t iRand = 2;
    const QRect rcAussen = frameGeometry();
    iRechts = rcAussen.width() - 3 - 2 * iRand;
    iUnten = rcAussen.height() - 3 - WerkzeugleistenHoehe();
    if (StatusBarPaintBox && !StatusPanel->isHidden())
        iUnten -= StatusBarPaintBox->height();
    if (MainMenu1 && !MainMenu1->isHidden())
        iUnten -= MainMenu1->height();
    iUnten -= 2 * iRand;
}
