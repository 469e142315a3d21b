// The main window as the panel's editor: the mouse on the panel area's
// background (rubber band, resize of one object), the keys (moving the
// selection, stepping analog inputs, hot keys), and the drag of the
// selection.
#include "HauptForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

#include <algorithm>

#include "Einstellungen.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"

namespace {

// Hands every key of the window to the panel, wherever the focus is inside
// the window, as long as no menu or other popup has the keyboard.
class TTastenFilter : public QObject {
public:
    explicit TTastenFilter(THauptformular* pForm) : QObject(pForm), m_pForm(pForm) {}

protected:
    bool eventFilter(QObject* pZiel, QEvent* pEreignis) override
    {
        const QEvent::Type t = pEreignis->type();
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease)
            return false;
        auto* pWidget = qobject_cast<QWidget*>(pZiel);
        // The menu bar keeps its own keys while it has the keyboard.
        if (!pWidget || pWidget->window() != m_pForm || QApplication::activePopupWidget() ||
            qobject_cast<QMenuBar*>(pWidget))
            return false;
        auto* pTaste = static_cast<QKeyEvent*>(pEreignis);
        if (t == QEvent::KeyRelease) {
            m_iLetzteLoslassTaste = pTaste->key();
            m_qwLetzteLoslassZeit = pTaste->timestamp();
            // A release changes only flags; handing it on does no harm.
            m_pForm->FormKeyUp(pTaste->key());
            return false;
        }
        // X marks a held key's repeat only when its press is already queued
        // as the release is handled; on a busy display it comes as a plain
        // release and press with one time stamp. A real press comes a key
        // stroke after its release; events made in the program carry 0.
        if (!pTaste->isAutoRepeat() && pTaste->timestamp() != 0 &&
            pTaste->timestamp() == m_qwLetzteLoslassZeit && pTaste->key() == m_iLetzteLoslassTaste) {
            const QKeyEvent Wiederholung(pTaste->type(), pTaste->key(), pTaste->modifiers(),
                                         pTaste->nativeScanCode(), pTaste->nativeVirtualKey(),
                                         pTaste->nativeModifiers(), pTaste->text(), true,
                                         pTaste->count());
            return m_pForm->bTasteVerarbeiten(&Wiederholung);
        }
        return m_pForm->bTasteVerarbeiten(pTaste);
    }

private:
    THauptformular* m_pForm;
    int m_iLetzteLoslassTaste = 0;
    quint64 m_qwLetzteLoslassZeit = 0;
};

} // namespace

void THauptformular::EditorEinrichten()
{
    Gummiband = new QRubberBand(QRubberBand::Rectangle, Arbeitsflaeche);
    Gummiband->setObjectName("Gummiband");
    Gummiband->hide();
    pTastenFilter = new TTastenFilter(this);
    qApp->installEventFilter(pTastenFilter);
}

bool THauptformular::bHintergrundMaus(QEvent* pEreignis)
{
    const QEvent::Type t = pEreignis->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick &&
        t != QEvent::MouseMove && t != QEvent::MouseButtonRelease)
        return false;
    auto* e = static_cast<QMouseEvent*>(pEreignis);
    const QPoint pt = e->position().toPoint();
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        FormMouseDown(e->button(), e->modifiers(), pt.x(), pt.y(), t == QEvent::MouseButtonDblClick);
        break;
    case QEvent::MouseMove:
        FormMouseMove(Arbeitsflaeche, e->modifiers(), pt.x(), pt.y());
        break;
    default:
        FormMouseUp(e->button(), e->modifiers(), pt.x(), pt.y());
        FormClick();
        break;
    }
    return true;
}

void THauptformular::FormMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y,
                                   bool bDoppelklick)
{
    pAktivesObjekt = nullptr;
    if (Button == Qt::LeftButton && bDoppelklick) {
        aExtras_RavoDAVEinstellungenExecute();
        return;
    }
    if (Button == Qt::LeftButton)
        ptMausDown = QPoint(X, Y);
    MarkierungAufheben();
}

void THauptformular::FormClick()
{
    pAktivesObjekt = nullptr;
}

void THauptformular::FormMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y)
{
    if (!bEditorModus) {
        pAktivesObjekt = nullptr;
        return;
    }
    if (TMyObj* p = pAktivesObjekt) {
        const QRect rcVorher = p->geometry();
        const Qt::CursorShape Zeiger = p->cursor().shape();
        if (Zeiger == Qt::SizeHorCursor) {
            int32_t L = p->Left(), W = p->Width();
            if (X < L + W / 2) {
                // The left edge stops at the window's edge, as a move does;
                // the right edge stays where it is.
                const int32_t iX = std::max(X, std::min(L, 0));
                const int32_t d = L - iX;
                if (W + d > 10) {
                    p->SetLeft(iX);
                    p->SetWidth(W + d);
                }
            }
            L = p->Left();
            W = p->Width();
            if (X > L + W / 2 && X - L < 400)
                p->SetWidth(X - L);
        } else if (Zeiger == Qt::SizeVerCursor) {
            int32_t T = p->Top(), H = p->Height();
            if (Y < T + H / 2) {
                // The top stops at the tool bar's lower edge, as a move
                // does; the bottom edge stays where it is.
                const int32_t iY = std::max(Y, std::min(T, WerkzeugleistenHoehe()));
                const int32_t d = T - iY;
                if (H + d > 10 && H + d < 2000) {
                    p->SetTop(iY);
                    p->SetHeight(H + d);
                }
            }
            T = p->Top();
            H = p->Height();
            if (Y > T + H / 2 && Y - T < 2000)
                p->SetHeight(Y - T);
        }
        // A resize is a change to the panel like a move: Exit must ask.
        if (p->geometry() != rcVorher)
            SetMaskeGeaendert(true);
    }
    if (!rcGummiband.isNull()) {
        Gummiband->hide();
        rcGummiband = QRect();
    }
    if (!ptMausDown.isNull()) {
        rcGummiband = QRect(ptMausDown, QPoint(X, Y)).normalized();
        Gummiband->setGeometry(rcGummiband);
        Gummiband->show();
        Gummiband->raise();
    }
}

void THauptformular::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    pAktivesObjekt = nullptr;
    if (!bEditorModus)
        return;
    if (!rcGummiband.isNull()) {
        Gummiband->hide();
        rcGummiband = QRect();
    }
    const QPoint ptStart = ptMausDown;
    ptMausDown = QPoint();
    // Only a drag down and to the right by more than 10 pixels each counts.
    if (ptStart.y() != 0 && Y - ptStart.y() > 10 && X - ptStart.x() > 10) {
        if (iWerkzeug == 0)
            ObjekteImRechteckMarkieren(ptStart.x(), ptStart.y(), X, Y);
        else
            ObjekteEinfuegen(ptStart.x(), ptStart.y(), X, Y);
    }
}

bool THauptformular::bTasteVerarbeiten(const QKeyEvent* pTaste)
{
    const int iTaste = pTaste->key();
    FormKeyDown(iTaste, pTaste->modifiers());
    bool bVerbraucht = iTaste == Qt::Key_Left || iTaste == Qt::Key_Right || iTaste == Qt::Key_Up ||
                       iTaste == Qt::Key_Down || iTaste == Qt::Key_PageUp ||
                       iTaste == Qt::Key_PageDown || iTaste == Qt::Key_Return ||
                       iTaste == Qt::Key_Enter;
    // A typed character (not a Ctrl or Alt combination, which belong to the
    // menus) goes to the objects as typed, in its exact letter case.
    const QString sText = pTaste->text();
    if (sText.size() == 1 && !(pTaste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const char16_t c = sText.at(0).unicode();
        if (c >= 0x20 && c <= 0xFF && c != 0x7F) {
            FormKeyPress(static_cast<unsigned char>(c), pTaste->isAutoRepeat());
            bVerbraucht = true;
        }
    }
    return bVerbraucht;
}

void THauptformular::FormKeyDown(int iTaste, Qt::KeyboardModifiers)
{
    const int32_t s = bStrgGedrueckt ? 10 : 1;
    switch (iTaste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (iAnzahlMarkierte == 1 && !GueltigeMarkierte().empty()) {
            if (bNurLesen)
                InfoMeldung(PoolText(1262));
            else if (ObjektEigenschaftenDialog(Markierte[0], false) == 1) {
                // As after the double click: OK is a change to keep.
                SetMaskeGeaendert(true);
                Markierte[0]->Zeichnen();
            }
        }
        break;
    case Qt::Key_Control:
        bStrgGedrueckt = true;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        for (int i = 0; i < iAnzahlObjekte; ++i) {
            TMyObj* p = Objekte[i];
            if (p && p->Obj == AnalogEingang && p->bAnalogMarkiert)
                p->AnalogEingangPlusMinus(iTaste == Qt::Key_PageUp ? '+' : '-', 200);
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const std::vector<TMyObj*> Auswahl = GueltigeMarkierte();
        if (Auswahl.empty())
            break;
        if (bNurLesen) {
            InfoMeldung(PoolText(1262));
            break;
        }
        const int32_t dx = iTaste == Qt::Key_Left ? -s : iTaste == Qt::Key_Right ? s : 0;
        const int32_t dy = iTaste == Qt::Key_Up ? -s : iTaste == Qt::Key_Down ? s : 0;
        // A move by the keys is kept like one by the mouse: Exit must ask.
        if (VerschiebenImBereich(Auswahl, dx, dy))
            SetMaskeGeaendert(true);
        break;
    }
    default:
        break;
    }
}

void THauptformular::FormKeyUp(int iTaste)
{
    bZiehen = false;
    if (iTaste == Qt::Key_Control)
        bStrgGedrueckt = false;
}

void THauptformular::FormKeyPress(unsigned char ucZeichen, bool bWiederholung)
{
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (p && (ucZeichen == '+' || ucZeichen == '-') && p->Obj == AnalogEingang &&
            p->bAnalogMarkiert)
            p->AnalogEingangPlusMinus(static_cast<char>(ucZeichen), 10);
    }
    // A held key repeats its press: a switch would flicker and a push button
    // toggle on every repeat. Hot keys take real presses, for all objects at
    // once: two objects on one bit would otherwise cancel each other.
    if (!bWiederholung)
        TMyObj::HotKeyVerteilen(Objekte, iAnzahlObjekte, ucZeichen);
}

bool THauptformular::VerschiebenImBereich(const std::vector<TMyObj*>& Auswahl, int32_t iDx,
                                          int32_t iDy)
{
    // The upper left corner stays inside the panel area with a margin the
    // mouse can still take hold of; the lower limit 0 is the object's own.
    // Under the tool bar an object is drawn but cannot be pressed: up stops
    // at its lower edge. An object already beyond a limit does not move
    // further that way, and so holds the others back with it.
    constexpr int32_t iGreifRand = 8;
    int32_t iRechts = 0, iUnten = 0;
    ClientBereichHolen(iRechts, iUnten);
    const int32_t iOben = WerkzeugleistenHoehe();
    const int32_t iMaxX = std::max(0, iRechts - iGreifRand);
    const int32_t iMaxY = std::max(0, iUnten + iOben - iGreifRand);
    for (const TMyObj* p : Auswahl) {
        if (iDx > 0)
            iDx = std::max(0, std::min(iDx, iMaxX - p->Left()));
        else if (iDx < 0)
            iDx = std::min(0, std::max(iDx, -p->Left()));
        if (iDy > 0)
            iDy = std::max(0, std::min(iDy, iMaxY - p->Top()));
        else if (iDy < 0)
            iDy = std::min(0, std::max(iDy, iOben - p->Top()));
    }
    if (iDx == 0 && iDy == 0)
        return false;
    for (TMyObj* p : Auswahl)
        p->PosVerschiebenOfs(iDx, iDy);
    return true;
}

void THauptformular::AuswahlVerschieben()
{
    const QPoint pt = QCursor::pos();
    const int32_t dx = pt.x() - ptLetzteCursorPos.x();
    const int32_t dy = pt.y() - ptLetzteCursorPos.y();
    ptLetzteCursorPos = pt;
    if (dx == 0 && dy == 0)
        return;
    // The press on an object of a read-only panel already said why nothing
    // moves.
    if (bNurLesen)
        return;
    if (VerschiebenImBereich(GueltigeMarkierte(), dx, dy))
        SetMaskeGeaendert(true);
}
