// The editor's operations on existing objects: select all, by rectangle,
// next and previous; delete; align, equal spacing; to the front and to the
// back.
#include "HauptForm.h"

#include <QToolBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "Einstellungen.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"

namespace {

// Read-only panels refuse every change with the same information.
bool bNurLesenAbweisen()
{
    if (!bNurLesen)
        return false;
    InfoMeldung(PoolText(1262));
    return true;
}

} // namespace

std::vector<TMyObj*> THauptformular::GueltigeMarkierte()
{
    // An entry that is no longer one of the panel's objects (deleted behind
    // the selection's back) is never touched: it may point at freed memory.
    std::vector<TMyObj*> v;
    const int32_t n = std::min(iAnzahlMarkierte, iMaxObjekte);
    for (int i = 0; i < n; ++i) {
        TMyObj* p = Markierte[i];
        if (p && iObjektIndex(p) >= 0 && std::find(v.begin(), v.end(), p) == v.end())
            v.push_back(p);
    }
    return v;
}

void THauptformular::AllesMarkieren()
{
    if (!bEditorModus || bNurLesen)
        return;
    for (int i = 0; i < iAnzahlObjekte; ++i)
        ObjektMarkieren(Objekte[i]);
}

void THauptformular::ObjekteImRechteckMarkieren(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    MarkierungAufheben();
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (p && p->x >= x1 && p->x + p->w <= x2 && p->y >= y1 && p->y + p->h <= y2)
            ObjektMarkieren(p);
    }
}

void THauptformular::MarkierenWeiter(bool bVorwaerts)
{
    if (iAnzahlObjekte <= 0)
        return;
    int32_t iNeu = 0;
    if (iAnzahlMarkierte > 0) {
        const int32_t i = iObjektIndex(Markierte[std::min(iAnzahlMarkierte, iMaxObjekte) - 1]);
        if (i >= 0) {
            iNeu = bVorwaerts ? (i + 1 < iAnzahlObjekte ? i + 1 : 0)
                              : (i > 0 ? i - 1 : iAnzahlObjekte - 1);
        }
    }
    MarkierungAufheben();
    ObjektMarkieren(Objekte[iNeu]);
}

void THauptformular::ObjektlisteVerdichten()
{
    int32_t n = 0;
    for (int i = 0; i < iAnzahlObjekte; ++i)
        if (Objekte[i])
            Objekte[n++] = Objekte[i];
    for (int i = n; i < iAnzahlObjekte; ++i)
        Objekte[i] = nullptr;
    iAnzahlObjekte = n;
}

void THauptformular::MarkierteLoeschen()
{
    const std::vector<TMyObj*> Auswahl = GueltigeMarkierte();
    if (Auswahl.empty() || bNurLesenAbweisen())
        return;
    for (int i = 0; i < iAnzahlMarkierte; ++i)
        Markierte[i] = nullptr;
    iAnzahlMarkierte = 0;
    pAktivesObjekt = nullptr;
    bZiehen = false;
    for (TMyObj* p : Auswahl) {
        const int32_t i = iObjektIndex(p);
        Objekte[i] = nullptr;
        delete p;
    }
    ObjektlisteVerdichten();
    SetMaskeGeaendert(true);
}

void THauptformular::AusrichtenLinks()
{
    const std::vector<TMyObj*> Auswahl = GueltigeMarkierte();
    if (Auswahl.size() < 2 || bNurLesenAbweisen())
        return;
    int32_t m = 10000;
    for (TMyObj* p : Auswahl)
        m = std::min(m, p->Left());
    for (TMyObj* p : Auswahl)
        p->SetLeft(m);
    SetMaskeGeaendert(true);
}

void THauptformular::AusrichtenOben()
{
    const std::vector<TMyObj*> Auswahl = GueltigeMarkierte();
    if (Auswahl.size() < 2 || bNurLesenAbweisen())
        return;
    int32_t m = 10000;
    for (TMyObj* p : Auswahl)
        m = std::min(m, p->Top());
    for (TMyObj* p : Auswahl)
        p->SetTop(m);
    SetMaskeGeaendert(true);
}

void THauptformular::GleicherAbstandVertikal()
{
    std::vector<TMyObj*> Auswahl = GueltigeMarkierte();
    const std::size_t n = Auswahl.size();
    if (n < 2 || bNurLesenAbweisen())
        return;
    // Objects on the same top keep the order in which they were selected.
    std::stable_sort(Auswahl.begin(), Auswahl.end(),
                     [](const TMyObj* a, const TMyObj* b) { return a->Top() < b->Top(); });
    const int32_t iErster = Auswahl.front()->Top();
    const int32_t iLetzter = Auswahl.back()->Top();
    const double dSchritt = double(iLetzter - iErster) / double(n - 1);
    for (std::size_t i = 0; i < n; ++i)
        Auswahl[i]->SetTop(static_cast<int32_t>(std::trunc(iErster + double(i) * dSchritt)));
    SetMaskeGeaendert(true);
}

// Front (bVorne) or back: the first selected object moves to the end or the
// start of the drawing order, and its control to the top or bottom of the
// panel's children to match.
static void Anordnen(THauptformular* f, bool bVorne)
{
    const std::vector<TMyObj*> Auswahl = f->GueltigeMarkierte();
    if (Auswahl.empty() || bNurLesenAbweisen())
        return;
    if (Auswahl.size() > 1)
        FehlerMeldung(PoolText(1361));
    TMyObj* p = Auswahl.front();
    const int32_t i = f->iObjektIndex(p);
    if (i < 0)
        return;
    TMyObj** pAnfang = f->Objekte;
    TMyObj** pEnde = f->Objekte + f->iAnzahlObjekte;
    if (bVorne) {
        std::rotate(pAnfang + i, pAnfang + i + 1, pEnde);
        p->raise();
        // The tool bar and the status panel stay above every object.
        f->ToolBar1->raise();
        f->StatusPanel->raise();
    } else {
        std::rotate(pAnfang, pAnfang + i, pAnfang + i + 1);
        p->lower();
    }
    f->Arbeitsflaeche->update();
    f->SetMaskeGeaendert(true);
}

void THauptformular::aMaskeAnordnenVorneExecute()
{
    Anordnen(this, true);
}

void THauptformular::aMaskeAnordnenHintenExecute()
{
    Anordnen(this, false);
}
