// Mouse of the panel objects. In RUN mode a click switches an LED's bit,
// starts or stops the engine, asks a clickable dynamic text for a value, or
// marks and sets an analog input; in EDITOR mode a press selects the object
// and starts a drag of the selection, a double click opens its property
// dialog, and the edges of texts and analog objects offer resize cursors
// (the main window carries the resize and the drag out).
//
// The objects reach the main window the way the rest of the object unit
// does: through the one main window the program has.
#include "MyObj.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Allgemein.h"
#include "ProgrammWerte.h"
#include "MaskenUmgebung.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "WinZeit.h"
#include "ZahlEingabe.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"

namespace {

// The error variable of the engine's start and stop; nobody looks at it.
int iStartStopFehler = 0;

constexpr int iRandZone = 4;         // edge zone of the resize cursors
constexpr uint32_t dwCursorPause = 500;   // no edge cursors after a move

QPoint Punkt(const QMouseEvent* e)
{
    return e->position().toPoint();
}

// The resize cursor for a point of an object of that size: top and bottom
// edges before the left and right ones, the arrow inside.
Qt::CursorShape RandZeiger(int X, int Y, int iBreite, int iHoehe)
{
    if (Y < iRandZone || Y > iHoehe - iRandZone)
        return Qt::SizeVerCursor;
    if (X < iRandZone || X > iBreite - iRandZone)
        return Qt::SizeHorCursor;
    return Qt::ArrowCursor;
}

} // namespace

void TMyObj::mousePressEvent(QMouseEvent* pEreignis)
{
    // Handled here: the press must not reach the panel area behind, whose
    // own press clears the selection.
    pEreignis->accept();
    MouseDown(pEreignis->button(), pEreignis->modifiers(), Punkt(pEreignis).x(),
              Punkt(pEreignis).y(), false);
}

void TMyObj::mouseDoubleClickEvent(QMouseEvent* pEreignis)
{
    pEreignis->accept();
    MouseDown(pEreignis->button(), pEreignis->modifiers(), Punkt(pEreignis).x(),
              Punkt(pEreignis).y(), true);
}

void TMyObj::mouseReleaseEvent(QMouseEvent* pEreignis)
{
    pEreignis->accept();
    MouseUp(pEreignis->button(), pEreignis->modifiers(), Punkt(pEreignis).x(), Punkt(pEreignis).y());
}

void TMyObj::mouseMoveEvent(QMouseEvent* pEreignis)
{
    pEreignis->accept();
    MouseMove(pEreignis->modifiers(), Punkt(pEreignis).x(), Punkt(pEreignis).y());
}

void TMyObj::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y,
                       bool bDoppelklick)
{
    if (!isVisible())
        return;
    TMaskenUmgebung* f = MaskenUmgebung;
    if (f)
        f->SetAktivesObjekt(nullptr);
    const bool bShift =
        ((Shift | QGuiApplication::queryKeyboardModifiers()) & Qt::ShiftModifier) != 0;
    bMausGedrueckt = true;
    GriffZeiger = Qt::ArrowCursor;
    const bool bEditor = bEditorModusAktiv();

    if (Obj == AnalogEingang && !bEditor)
        SetAnalogWertMousePos(X, Y);
    if (bNurLesen && bEditor) {
        // The box takes the button's release: no drag may follow it.
        bMausGedrueckt = false;
        InfoMeldung(PoolText(1262));
        return;
    }
    if (!bEditor) {
        if (Clickable && Obj == Dynamische_Beschriftung) {
            bMausGedrueckt = false;   // the dialog takes the release
            WertAbfragen();
            return;
        }
        // An analog object is set from the mouse only: the click action of
        // an LED would invert bit 0 of the analog word's high byte.
        if (Obj != AnalogEingang && Obj != AnalogerAusgang)
            ClickOnLED();
        return;
    }
    if (!f)
        return;
    if (Button == Qt::LeftButton && bDoppelklick) {
        bMausGedrueckt = false;   // the dialog takes the release
        if (f->ObjektEigenschaftenDialog(this, false) == 1) {
            f->SetMaskeGeaendert(true);
            Zeichnen();
        }
        return;
    }
    // Whether this press resizes or drags is decided here, where the cursor
    // told the user: a drag that later pauses with the pointer on an edge
    // (or beyond the object, stopped at the window's edge) stays a drag.
    if (bRandZeigerMoeglich())
        GriffZeiger = RandZeiger(X, Y, Width(), Height());
    if (!bShift)
        f->MarkierungAufheben();
    f->SetLetzteCursorPos(QCursor::pos());
    f->ObjektMarkieren(this);
}

bool TMyObj::bRandZeigerMoeglich() const
{
    return bEditorModusAktiv() && timeGetTime() - dwVerschiebeZeit > dwCursorPause &&
           (Obj == Statische_Beschriftung || Obj == AnalogEingang || Obj == AnalogerAusgang);
}

void TMyObj::WertAbfragen()
{
    if (Op == 'D' && OpGroesse == 0) {
        QApplication::beep();
        return;
    }
    const std::string sTitel = PoolTextFormat(1372, "%s", pcGetOperandStr().c_str());
    char acWert[32];
    const uint32_t dwWert = dwGetWertVonObj();
    // Unsigned, so that a double word with its top bit set is offered as
    // the number that the reader below takes back.
    if (Darstellung == DARSTELLUNG_HEX)
        std::snprintf(acWert, sizeof acWert, "0x%X", dwWert);
    else
        std::snprintf(acWert, sizeof acWert, "%u", dwWert);
    std::string sEingabe = acWert;
    QWidget* pEltern = MaskenUmgebung ? MaskenUmgebung->pFenster() : window();
    if (!bEingabeDialog(pEltern, sTitel, PoolText(1373), sEingabe, 255) || sEingabe.empty())
        return;

    // The rule of every number field: blanks at the ends are dropped, a
    // blank inside makes the text no number, so "1 2" is refused rather
    // than taken as 12, a number the user never typed.
    const std::string sOhneRand = ZahlFeldOhneRand(sEingabe);
    std::vector<char> acText(sOhneRand.begin(), sOhneRand.end());
    acText.push_back('\0');
    U_UpcaseString(acText.data());
    bool bOk = false;
    long long llNeu = 0;
    if (std::strncmp(acText.data(), "0X", 2) == 0) {
        llNeu = bHexStrToWert(acText.data(), bOk);
        // Well formed, but more digits than any operand holds: refused for
        // its range below, not as a text that is no number.
        if (!bOk && iHexStellen(acText.data()) > 8) {
            llNeu = 1LL << 32;
            bOk = true;
        }
    } else {
        bOk = acText[0] != '\0' && bGanzzahlFeldLesen(acText.data(), TZahlArt::Ganzzahl, llNeu);
    }
    if (!bOk) {
        FehlerMeldung(PoolText(1374));
        return;
    }
    // A value the operand cannot hold is refused rather than cut to its
    // low bytes. A bit takes any 32-bit value (not 0 sets it).
    const long long llMax = OpGroesse == 1 ? 0xFF : OpGroesse == 2 ? 0xFFFF : 0xFFFFFFFFLL;
    if (llNeu > llMax) {
        FehlerMeldung(PoolTextFormat(6715, "%s%s%s%s", sOhneRand.c_str(), pcGetOperandStr().c_str(), "0",
                                     std::to_string(llMax).c_str()));
        return;
    }
    WertSteuern(static_cast<int32_t>(static_cast<uint32_t>(llNeu)));
}

void TMyObj::ClickOnLED()
{
    if (!Clickable)
        return;
    if (Variable == 3 || Variable == 4) {   // "$RUN", "$STOP"
        const bool bLaeuft = D7ED_GetCPUZustand(&iStartStopFehler) == 2;
        if (GrafikAkt || (Variable == 3 && !bLaeuft) || (Variable == 4 && bLaeuft)) {
            if (bLaeuft)
                D7ED_Stop(&iStartStopFehler);
            else
                D7ED_Start(D7ED_STARTART_NEUSTART, &iStartStopFehler);
        } else {
            QApplication::beep();
        }
        return;
    }
    if (Variable != 0 || Bit > 7)
        return;
    const uint8_t ucMaske = static_cast<uint8_t>(1u << Bit);
    uint8_t* p = nullptr;
    if (Op == 'A' || Op == 'Q')
        p = D7ED_GetPeriAPtr();
    else if (Op == 'E' || Op == 'I')
        p = D7ED_GetPeriEPtr();
    else if (Op == 'M')
        p = D7ED_GetMPtr();
    if (p) {
        p[Adr] = static_cast<uint8_t>(p[Adr] ^ ucMaske);
    } else if (Op == 'D') {
        unsigned char b = 0;
        // A byte that cannot be read is not written back as a made-up value.
        if (D7ED_ReadWriteDatenbaustein(1, DBNR, Adr, 1, &b) == 0) {
            b = static_cast<unsigned char>(b ^ ucMaske);
            D7ED_ReadWriteDatenbaustein(0, DBNR, Adr, 1, &b);
        }
    }
}

void TMyObj::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    if (TMaskenUmgebung* f = MaskenUmgebung) {
        f->SetAktivesObjekt(nullptr);
        f->SetZiehen(false);
    }
    bMausGedrueckt = false;
    GriffZeiger = Qt::ArrowCursor;
}

void TMyObj::MouseMove(Qt::KeyboardModifiers Shift, int X, int Y)
{
    TMaskenUmgebung* f = MaskenUmgebung;
    const bool bEditor = bEditorModusAktiv();
    if (!bEditor && f)
        f->SetAktivesObjekt(nullptr);
    if (f && f->pGetAktivesObjekt()) {
        f->FormMouseMove(this, Shift, X + Left(), Y + Top());
        return;
    }
    Qt::CursorShape Zeiger = (!bEditor && Clickable) ? Qt::PointingHandCursor : Qt::ArrowCursor;

    if (Obj == AnalogEingang && !bEditor && Y >= 0 && Y <= h - 2 && X >= 0 && X <= w - 2 &&
        bMausGedrueckt && bAnalogMarkiert)
        SetAnalogWertMousePos(X, Y);

    if (bRandZeigerMoeglich())
        Zeiger = RandZeiger(X, Y, Width(), Height());
    if (f && bEditor && bMausGedrueckt && GriffZeiger != Qt::ArrowCursor) {
        // A press on an edge: the resize begins in that edge's direction,
        // which the main window reads from the cursor; the selection is not
        // dragged along.
        setCursor(GriffZeiger);
        f->SetAktivesObjekt(this);
        return;
    }
    if (cursor().shape() != Zeiger)
        setCursor(Zeiger);

    if (!f || !bEditor)
        return;
    if (bMausGedrueckt)
        f->SetZiehen(true);
    if (f->bZiehenLaeuft())
        f->AuswahlVerschieben();
}

void TMyObj::SetAnalogWertMousePos(int X, int Y)
{
    if (Obj != AnalogEingang || bEditorModusAktiv())
        return;
    if (!bAnalogMarkiert) {
        AnalogE_FuerManipulationKennzeichnen();
        return;
    }
    switch (Ausrichtung) {
    case 'r': AnalogwertEinstellenPixel(X, Width() - 4); break;
    case 'l': AnalogwertEinstellenPixel(Width() - X - 4, Width() - 4); break;
    case 'o': AnalogwertEinstellenPixel(Height() - Y - 4, Height() - 4); break;
    default: AnalogwertEinstellenPixel(Y, Height() - 4); break;
    }
}

void TMyObj::AnalogE_FuerManipulationKennzeichnen()
{
    // At most one analog input of the panel is marked.
    std::vector<TMyObj*> Alle;
    if (MaskenUmgebung) {
        for (int i = 0; i < MaskenUmgebung->iObjektAnzahl(); ++i)
            Alle.push_back(MaskenUmgebung->pObjektNr(i));
    } else if (parentWidget()) {
        for (QWidget* pKind : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (auto* p = dynamic_cast<TMyObj*>(pKind))
                Alle.push_back(p);
    }
    for (TMyObj* p : Alle) {
        if (p && p->bAnalogMarkiert) {
            p->bAnalogMarkiert = false;
            p->Zeichnen();
        }
    }
    bAnalogMarkiert = true;
    Zeichnen();
}
