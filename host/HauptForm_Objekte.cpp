// The main window's side of painting the panel objects and of their
// selection frames.
#include "HauptForm.h"

#include "MyObj.h"

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
    for (int i = 0; i < iAnzahlMarkierte; ++i)
        if (Markierte[i])
            Markierte[i]->UmrandungZeichnen(iFarbe);
}

void THauptformular::MarkierungAufheben()
{
    // Each selected object repaints itself, which removes its frame.
    for (int i = 0; i < iAnzahlMarkierte; ++i) {
        if (Markierte[i])
            Markierte[i]->Zeichnen();
        Markierte[i] = nullptr;
    }
    iAnzahlMarkierte = 0;
}

bool THauptformular::bIstMarkiert(TMyObj* pObj)
{
    for (int i = 0; i < iAnzahlMarkierte; ++i)
        if (Markierte[i] == pObj)
            return true;
    return false;
}

void THauptformular::ObjektMarkieren(TMyObj* pObj)
{
    if (!pObj || bIstMarkiert(pObj) || iAnzahlMarkierte >= iMaxObjekte)
        return;
    Markierte[iAnzahlMarkierte++] = pObj;
}

int32_t THauptformular::iObjektIndex(TMyObj* pObj)
{
    for (int i = 0; i < iAnzahlObjekte; ++i)
        if (Objekte[i] == pObj)
            return i;
    return -1;
}
