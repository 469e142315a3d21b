// Motion profiles at run time: objects move by the bits of their profile
// on every second cycle step, moving objects cover sensors (clickable LEDs)
// and so set their bits, and the switch back to EDITOR puts every moved
// object back where it was designed. Also the dialog that edits profiles.
#include "HauptForm.h"

#include "Bewegungsprofil.h"
#include "DlgBewegungForm.h"
#include "Einstellungen.h"
#include "Hilfe.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "WinDialoge.h"
#include "kolv_d7ed.h"

namespace {

// The dialog's view of the main window.
class THauptformularBewegung : public TBewegungsUmgebung {
public:
    explicit THauptformularBewegung(THauptformular& f) : m_f(f) {}
    int32_t iAnzahlMarkierte() const override { return m_f.iAnzahlMarkierte; }
    TMyObj* pMarkiert(int32_t i) const override
    {
        return i >= 0 && i < m_f.iAnzahlMarkierte ? m_f.Markierte[i] : nullptr;
    }
    int32_t iAnzahlObjekte() const override { return m_f.iAnzahlObjekte; }
    TMyObj* pObjekt(int32_t i) const override
    {
        return i >= 0 && i < m_f.iAnzahlObjekte ? m_f.Objekte[i] : nullptr;
    }
    bool bEditorModus() const override { return m_f.bEditorModus; }
    void MarkierungAufheben() override { m_f.MarkierungAufheben(); }
    void ObjektMarkieren(TMyObj* pObj) override { m_f.ObjektMarkieren(pObj); }
    void HilfeAnzeigen(const std::string& sSeite) override { ::HilfeAnzeigen(sSeite); }

private:
    THauptformular& m_f;
};

} // namespace

void THauptformular::aMaskeBewegungsprofileExecute()
{
    if (bNurLesen) {
        InfoMeldung(PoolText(1262));
        return;
    }
    THauptformularBewegung Umgebung(*this);
    bool bGeaendert = false;
    {
        TDlgBewegung Dlg(this, Umgebung);
        iModalAusfuehren(Dlg);
        bGeaendert = Dlg.bProfileGeaendert();
    }
    // Whatever button closed it: rows stored at a change of row, Assign and
    // Remove stay. A look at the profiles is no change to save.
    if (bGeaendert)
        SetMaskeGeaendert(true);
}

void THauptformular::BewegungsprofileStarten()
{
    iBewegungsSchritt = 0;
    iAnzahlSensoren = 0;
    iAnzahlBewegte = 0;
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (!p)
            continue;
        p->bSensorAktiv = false;
        if (p->Obj == LED && p->Clickable)
            Sensoren[iAnzahlSensoren++] = p;
        switch (p->Op) {
        case 'E':
        case 'I':
            p->pSensorByte = D7ED_GetPeriEPtr() + p->Adr;
            break;
        case 'A':
        case 'Q':
            p->pSensorByte = D7ED_GetPeriAPtr() + p->Adr;
            break;
        case 'M':
            p->pSensorByte = D7ED_GetMPtr() + p->Adr;
            break;
        default:
            // A data block, or a letter changed since the last RUN: the
            // sensor writes no byte, and never one it no longer names.
            p->pSensorByte = nullptr;
            break;
        }
    }
}

bool THauptformular::BewegungsBitPruefen(int32_t& iKoordinate, const BewegungsOperand* pOperand,
                                         int32_t iSchritt)
{
    if (!pOperand || !bBewegungsBit(*pOperand))
        return false;
    iKoordinate += iSchritt;
    return true;
}

void THauptformular::BewegungsprofileAusfuehren()
{
    int32_t iRechts = 0, iUnten = 0;
    ClientBereichHolen(iRechts, iUnten);
    const int32_t iOben = WerkzeugleistenHoehe();

    ++iBewegungsSchritt;
    iAnzahlBewegte = 0;
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (!p || !p->MoveAktiv)
            continue;
        const Bewegungsprofil* pProfil = pBewegungsprofil(p->MoveNr);
        if (!pProfil)
            continue;
        // One copy of the row for the whole object: the four directions and
        // the speed always come from the same state of the profile.
        const Bewegungsprofil Profil = *pProfil;
        const int32_t v = Profil.Geschw;
        bool bBit = false;

        // Each direction starts from where the one before left the object;
        // the control is moved once, to the end result.
        const int32_t iBreite = p->Width(), iHoehe = p->Height();
        int32_t iLinks = p->Left(), iTop = p->Top();
        int32_t x = iLinks;
        bBit |= BewegungsBitPruefen(x, &Profil.Rechts, v);
        if (x + iBreite < iRechts)
            iLinks = x;
        x = iLinks;
        bBit |= BewegungsBitPruefen(x, &Profil.Links, -v);
        if (x >= 0)
            iLinks = x;
        int32_t y = iTop;
        bBit |= BewegungsBitPruefen(y, &Profil.Unten, v);
        if (y + iHoehe < iUnten)
            iTop = y;
        y = iTop;
        bBit |= BewegungsBitPruefen(y, &Profil.Oben, -v);
        if (y >= iOben)
            iTop = y;
        if (iLinks != p->Left() || iTop != p->Top())
            p->move(iLinks, iTop);

        if (iBewegungsSchritt == 1 || (Profil.Endsch && bBit))
            Bewegte[iAnzahlBewegte++] = p;
    }
    if (iAnzahlBewegte == 0)
        return;

    // The rectangles of the moving objects, read once for all sensors.
    struct TRechteck {
        int32_t l, o, r, u;
    };
    TRechteck Flaechen[iMaxObjekte];
    for (int m = 0; m < iAnzahlBewegte; ++m) {
        const TMyObj* b = Bewegte[m];
        Flaechen[m] = {b->Left(), b->Top(), b->Left() + b->Width(), b->Top() + b->Height()};
    }
    for (int k = 0; k < iAnzahlSensoren; ++k) {
        TMyObj* s = Sensoren[k];
        const int32_t cx = s->Left() + s->Width() / 2;
        const int32_t cy = s->Top() + s->Height() / 2;
        s->bVerdeckt = false;
        for (int m = 0; m < iAnzahlBewegte; ++m) {
            const TRechteck& b = Flaechen[m];
            if (b.l <= cx && cx <= b.r && b.o <= cy && cy <= b.u) {
                s->bVerdeckt = true;
                s->bSensorAktiv = true;
                break;
            }
        }
    }
    for (int k = 0; k < iAnzahlSensoren; ++k) {
        TMyObj* s = Sensoren[k];
        // A bit number beyond 7 names no bit of the byte.
        if (!s->bSensorAktiv || !s->pSensorByte || s->Bit > 7)
            continue;
        const bool bEin = s->bVerdeckt ? !s->Grundstellung : s->Grundstellung;
        const uint8_t ucMaske = static_cast<uint8_t>(1u << s->Bit);
        if (bEin)
            *s->pSensorByte |= ucMaske;
        else
            *s->pSensorByte &= static_cast<uint8_t>(~ucMaske);
    }
}

void THauptformular::BewegungsprofileZuruecksetzen()
{
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (!p || p->MoveNr < 0 || !p->MoveAktiv)
            continue;
        if (p->Left() != p->x || p->Top() != p->y) {
            p->SetLeft(p->x);
            p->SetTop(p->y);
        }
    }
    // EDITOR mode may delete objects; the lists are gathered again at the
    // next switch to RUN.
    iAnzahlSensoren = 0;
    iAnzahlBewegte = 0;
}
