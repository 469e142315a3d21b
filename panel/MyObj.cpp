// The panel object: construction, position, property copies.
#include "MyObj.h"

#include "Bewegungsprofil.h"
#include "MaskenUmgebung.h"
#include "PoolText.h"
#include "WinZeit.h"

#include <QFontMetrics>
#include <QImage>

#include <algorithm>

Bewegungsprofil Bewegungsprofile[ANZAHL_BEWEGUNGSPROFILE];

bool TMyObj::bEditorModusOhneHauptformular = true;

TMaskenUmgebung* MaskenUmgebung = nullptr;

namespace {

// The objects live on the main window's panel area; a caller that passes
// the main window itself gets that area as the parent.
QWidget* ElternVon(QWidget* pBesitzer)
{
    if (MaskenUmgebung && pBesitzer == MaskenUmgebung->pFenster() && MaskenUmgebung->pArbeitsflaeche())
        return MaskenUmgebung->pArbeitsflaeche();
    return pBesitzer;
}

int iTextBreite(const QWidget* pWidget, const std::string& sText)
{
    return QFontMetrics(pWidget->font()).horizontalAdvance(QString::fromUtf8(sText));
}

} // namespace

QColor FarbeVonWert(int32_t iFarbe)
{
    const uint32_t v = static_cast<uint32_t>(iFarbe);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

bool TMyObj::bEditorModusAktiv()
{
    return MaskenUmgebung ? MaskenUmgebung->bImEditorModus() : bEditorModusOhneHauptformular;
}

TMyObj::TMyObj(QWidget* pBesitzer, int32_t iArt, int32_t iLeft, int32_t iTop, int32_t iWidth,
               int32_t iHeight)
    : QWidget(ElternVon(pBesitzer))
{
    // The panel's texts are short Latin texts and numbers redrawn at the
    // cycle rate: they need no complex shaping, and skipping it keeps the
    // redraw of a full panel within the pacing interval.
    QFont f = font();
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
    setFont(f);
    // The field block starts cleared (the member initialisers), MoveNr -1.
    static_cast<TMyObjFelder&>(*this) = TMyObjFelder{};
    ColorHi = 0;
    if (iArt == Statische_Beschriftung)
        Text0 = PoolText(1261);
    if (iArt == LED) {
        const int32_t iGroesse = MaskenUmgebung ? MaskenUmgebung->iNeueLEDGroesse() : 12;
        iWidth = iHeight = iGroesse;
    } else if (iArt == AnalogEingang || iArt == AnalogerAusgang) {
        iWidth = iHeight = 20;
    }
    if (iHeight == 0)
        iHeight = QFontMetrics(font()).height();   // text height of "WW"
    if (iWidth == 0)
        iWidth = iTextBreite(this, Text0);
    Obj = iArt;
    x = iLeft;
    y = iTop;
    w = iWidth;
    h = iHeight;
    ColorLo = 0;
    ColorHi = 0xC0C0C0;
    setGeometry(iLeft, iTop, std::max(iWidth, 0), std::max(iHeight, 0));
    bMausGedrueckt = false;
    setCursor(Qt::ArrowCursor);
    // Moves without a button pressed show the resize cursors at the edges.
    setMouseTracking(true);
    // Child controls are visible from the start; an object without a parent
    // (tests, tools) must not become a window of its own.
    if (parentWidget())
        show();
}

TMyObj::~TMyObj()
{
    // A push button still held by its hot key goes back before the object
    // is gone, so no input of the plant stays pressed.
    TasterSofortLoslassen();
}

// A move is not a change of what the object shows: Qt repaints what the
// move uncovers and exposes. Keeping the painted state's position in step
// keeps the next paint pass from asking for a paint of every moved object
// (which, for a dragged selection, would repaint the whole panel).
void TMyObj::SetLeft(int32_t iWert)
{
    x = iWert;
    if (m_bAngefordert && m_Felder.x != iWert)
        m_Felder.x = iWert;
    move(iWert, QWidget::y());
}

void TMyObj::SetTop(int32_t iWert)
{
    y = iWert;
    if (m_bAngefordert && m_Felder.y != iWert)
        m_Felder.y = iWert;
    move(QWidget::x(), iWert);
}

void TMyObj::SetWidth(int32_t iWert)
{
    w = iWert;
    resize(std::max(iWert, 0), QWidget::height());
}

void TMyObj::SetHeight(int32_t iWert)
{
    h = iWert;
    resize(QWidget::width(), std::max(iWert, 0));
}

void TMyObj::PosVerschiebenAbs(int32_t iX, int32_t iY)
{
    SetTop(iY);
    SetLeft(iX);
}

void TMyObj::PosVerschiebenOfs(int32_t iDx, int32_t iDy)
{
    if (Top() + iDy >= 0)
        SetTop(Top() + iDy);
    if (Left() + iDx >= 0)
        SetLeft(Left() + iDx);
    dwVerschiebeZeit = timeGetTime();
}

void TMyObj::SetEigenschaftenStaticText(const std::string& sText, int32_t iColorT, int32_t iColorH,
                                        bool bTransparent)
{
    Text0 = sText.empty() ? std::string(15, ' ') : sText;
    Transparent = bTransparent;
    ColorLo = iColorT;
    ColorHi = iColorH;
    const int iBreite = iTextBreite(this, sText) + 2;
    if (w < iBreite)
        SetWidth(iBreite);
}

void TMyObj::SetEigenschaftenDynamischerText(const TMyObj* pPrototyp, int32_t iAdr, int32_t iBit)
{
    if (!pPrototyp)
        return;
    static_cast<TMyObjFelder&>(*this) = static_cast<const TMyObjFelder&>(*pPrototyp);
    // The design's own order of the single copies after the block; they
    // matter only for the address of the copy.
    if (iAdr != -1) {
        Adr = static_cast<uint16_t>(iAdr);
        Bit = static_cast<uint16_t>(iBit);
    }
    SetWidth(pPrototyp->w);
    SetHeight(pPrototyp->h);
}

void TMyObj::SetEigenschaftenLED(const TMyObj* pPrototyp, int32_t iAdr, int32_t iBit)
{
    if (!pPrototyp)
        return;
    static_cast<TMyObjFelder&>(*this) = static_cast<const TMyObjFelder&>(*pPrototyp);
    if (iAdr != -1) {
        Adr = static_cast<uint16_t>(iAdr);
        Bit = static_cast<uint16_t>(iBit);
    }
    if (!GrafikAkt) {
        SetWidth(pPrototyp->w);
        SetHeight(pPrototyp->h);
    } else {
        pBild1 = pBild0 = nullptr;
        std::string sPfad;
        if (MaskenUmgebung && !Grafik1.empty() &&
            MaskenUmgebung->bDateiImMaskenordner(Grafik1, sPfad)) {
            pBild1 = MaskenUmgebung->pGetBildVonDatei(sPfad);
            if (pBild1) {
                SetWidth(pBild1->width());
                SetHeight(pBild1->height());
            }
        }
        if (MaskenUmgebung && !Grafik0.empty() &&
            MaskenUmgebung->bDateiImMaskenordner(Grafik0, sPfad)) {
            pBild0 = MaskenUmgebung->pGetBildVonDatei(sPfad);
            if (pBild0) {
                SetWidth(pBild0->width());
                SetHeight(pBild0->height());
            }
        }
        if (pBild0 && pBild1) {
            SetWidth(std::max(pBild0->width(), pBild1->width()));
            SetHeight(std::max(pBild0->height(), pBild1->height()));
        }
    }
    bObjRUN_Init();
}

void TMyObj::SetEigenschaftenAnalogEA(const TMyObj* pPrototyp)
{
    if (!pPrototyp)
        return;
    static_cast<TMyObjFelder&>(*this) = static_cast<const TMyObjFelder&>(*pPrototyp);
    Clickable = (Op == 'E' || Op == 'I');
    SetTop(pPrototyp->y);
    SetLeft(pPrototyp->x);
    SetWidth(pPrototyp->w);
    SetHeight(pPrototyp->h);
}

bool TMyObj::bObjRUN_Init()
{
    // Leaving RUN: a push button whose release is still pending is released
    // now; merely forgetting the pending release would leave its bit set.
    TasterSofortLoslassen();
    return true;
}
