// Painting of the panel objects.
//
// Zeichnen() decides; paintEvent() draws. Coordinates follow the
// rectangle rules the panels were designed with: a rectangle (l, t, r, b)
// covers the pixels l .. r-1 and t .. b-1 (corners given in reverse order
// are swapped), its outline lies on its outermost pixels; a frame path runs
// through the pixels it names.
#include "MyObj.h"

#include "Allgemein.h"
#include "Messbereiche.h"
#include "SystemVariablen.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QVariant>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr int32_t FARBE_EDITOR_RAHMEN = 0xFFFF00;
constexpr int32_t FARBE_RUN_RAHMEN = 0x00FFFF;
constexpr int32_t FARBE_ANALOG_HINTERGRUND = 0x808080;
constexpr int32_t FARBE_ANALOG_EINGANG = 0x008000;
constexpr int32_t FARBE_ANALOG_AUSGANG = 0x0000FF;
constexpr int32_t FARBE_ANALOG_MARKE = 0x0000FF;

QPen Stift(int32_t iFarbe, Qt::PenStyle stil = Qt::SolidLine)
{
    QPen pen(FarbeVonWert(iFarbe));
    pen.setWidth(0);   // cosmetic: one pixel whatever the transform
    pen.setStyle(stil);
    return pen;
}

// The solid outlines and areas are drawn as fills in a colour, not through
// the painter's pen and brush: a pen or brush made for every object and
// step costs more than the fill it sets up, and the fills hit exactly the
// pixels a stroke would.

// The closed path through the pixels (x0,y0) (x1,y0) (x1,y1) (x0,y1) in
// colour c, as four one-pixel fills.
void Rahmen(QPainter& p, int x0, int y0, int x1, int y1, const QColor& c)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    p.fillRect(QRect(x0, y0, x1 - x0 + 1, 1), c);
    p.fillRect(QRect(x0, y1, x1 - x0 + 1, 1), c);
    p.fillRect(QRect(x0, y0, 1, y1 - y0 + 1), c);
    p.fillRect(QRect(x1, y0, 1, y1 - y0 + 1), c);
}

// The same path dotted in the editor's frame colour.
void RahmenPunktiert(QPainter& p, int x0, int y0, int x1, int y1)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    p.setPen(Stift(FARBE_EDITOR_RAHMEN, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    const QPoint pt[5] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
    p.drawPolyline(pt, 5);
}

// The frame path (0,0) (w-1,0) (w-1,h-1) (0,h-1) (0,0).
void Rahmen(QPainter& p, int w, int h, const QColor& c)
{
    if (w > 0 && h > 0)
        Rahmen(p, 0, 0, w - 1, h - 1, c);
}

void RahmenPunktiert(QPainter& p, int w, int h)
{
    if (w > 0 && h > 0)
        RahmenPunktiert(p, 0, 0, w - 1, h - 1);
}

// Filled rectangle in colour fuellung with its outline on its outermost
// pixels: dotted with bPunktiert, else in *pRand where that differs from the
// fill (no outline without pRand).
void Rechteck(QPainter& p, int l, int t, int r, int b, const QColor& fuellung,
              const QColor* pRand = nullptr, bool bPunktiert = false)
{
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (r - l <= 0 || b - t <= 0)
        return;
    p.fillRect(QRect(l, t, r - l, b - t), fuellung);
    if (bPunktiert)
        RahmenPunktiert(p, l, t, r - 1, b - 1);
    else if (pRand && *pRand != fuellung)
        Rahmen(p, l, t, r - 1, b - 1, *pRand);
}

// Text with its top left corner at (x, y); an opaque text fills its cell
// (advance width by ascent + descent) with the background colour, which the
// painter's opaque mode does while it lays the text out once.
void Text(QPainter& p, int x, int y, const QString& sText, const QColor* pHintergrund)
{
    const QFontMetrics fm = p.fontMetrics();
    if (pHintergrund) {
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(*pHintergrund);
    }
    p.drawText(x, y + fm.ascent(), sText);
    if (pHintergrund)
        p.setBackgroundMode(Qt::TransparentMode);
}

// The small font of the analog texts, derived once per base font rather
// than copied and changed for every object in every step. Kept on the heap
// and never freed: a font must not outlive the application's font cache in
// a destructor at exit.
const QFont& AnalogSchrift(const QFont& basis)
{
    static QFont* pBasis = nullptr;
    static QFont* pAnalog = nullptr;
    if (!pBasis || !(basis == *pBasis)) {
        delete pBasis;
        delete pAnalog;
        pBasis = new QFont(basis);
        pAnalog = new QFont(basis);
        pAnalog->setPixelSize(8);
    }
    return *pAnalog;
}

// Paint requests of the objects on one parent between two paint passes.
// Qt's bookkeeping of many separately dirty child widgets costs far more
// than painting them: beyond a handful of requests in one pass, one request
// for the whole parent area repaints every object from its stored state at
// a fraction of the cost. After a pass of many requests the next pass asks
// for the whole area at its first request, so that a panel busy in every
// step leaves no separately dirty objects at all; a pass of few requests
// goes back to single requests. The parent's paint (and any object's paint)
// starts a new pass.
class TMalSammler : public QObject {
public:
    explicit TMalSammler(QWidget* pEltern) : QObject(pEltern) { pEltern->installEventFilter(this); }
    int iAnstehend = 0;        // requests in this pass, the whole area's too
    bool bGanz = false;        // the whole area is requested
    bool bLaeuftGanz = false;  // the pass under way paints the whole area
    bool bVorigerViele = false;   // the last pass that asked had many requests
    void NeuerDurchgang();
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            NeuerDurchgang();
        return false;
    }
};

constexpr int iMaxEinzelAnforderungen = 24;

void TMalSammler::NeuerDurchgang()
{
    bLaeuftGanz = bGanz;
    if (iAnstehend > 0)
        bVorigerViele = iAnstehend > iMaxEinzelAnforderungen;
    iAnstehend = 0;
    bGanz = false;
}

constexpr const char* cSammlerEigenschaft = "_TMyObjMalSammler";

TMalSammler* pSammlerVon(QWidget* pEltern)
{
    if (!pEltern)
        return nullptr;
    const QVariant v = pEltern->property(cSammlerEigenschaft);
    if (v.isValid())
        return reinterpret_cast<TMalSammler*>(v.value<quintptr>());
    auto* pNeu = new TMalSammler(pEltern);
    pEltern->setProperty(cSammlerEigenschaft, QVariant::fromValue(reinterpret_cast<quintptr>(pNeu)));
    return pNeu;
}

// The rectangle the parent's objects cover: the repaint of all objects
// leaves out the parent's tool and status bars.
QRect ObjektBereich(const QWidget* pEltern)
{
    QRect r;
    for (const QObject* o : pEltern->children())
        if (const auto* p = dynamic_cast<const TMyObj*>(o); p && p->isVisible())
            r |= p->geometry();
    return r;
}

int iKuerzen(float f)
{
    if (!std::isfinite(f))
        return 0;
    if (f > 1.0e6f)
        return 1000000;
    if (f < -1.0e6f)
        return -1000000;
    return static_cast<int>(f);
}

} // namespace

// --- Deciding -------------------------------------------------------------

bool TMyObj::bLEDZustand() const
{
    if (Variable != 0) {
        switch (Variable) {
        case SYSVAR_RUN:
        case SYSVAR_STOP:
        case SYSVAR_PELMORA:
        case SYSVAR_SIMATIC_NET:
        case SYSVAR_TCPIP_ACTIVE:
        case SYSVAR_TRUE:
        case SYSVAR_FALSE:
            return dwSystemVariableWert(Variable) != 0;
        default:
            return false;
        }
    }
    if (Bit > 7)
        return false;
    uint8_t b = 0;
    if (Op == 'A' || Op == 'Q') {
        b = D7ED_GetPeriAPtr()[Adr];
    } else if (Op == 'E' || Op == 'I') {
        b = D7ED_GetPeriEPtr()[Adr];
    } else if (Op == 'M') {
        b = D7ED_GetMPtr()[Adr];
    } else if (Op == 'D') {
        D7ED_ReadWriteDatenbaustein(1, DBNR, Adr, 1, &b);
    } else {
        return false;
    }
    return ((b >> Bit) & 1) != 0;
}

uint16_t TMyObj::wAnalogRoh() const
{
    const uint8_t* p = nullptr;
    if (Op == 'A' || Op == 'Q')
        p = D7ED_GetPeriAPtr();
    else if (Op == 'E' || Op == 'I')
        p = D7ED_GetPeriEPtr();
    if (!p)
        return 0;
    return static_cast<uint16_t>((p[Adr] << 8) | p[Adr + 1u]);
}

bool TMyObj::AnzeigeErmitteln(TAnzeigeWerte& a, bool bBreiteAnpassen, bool bFelderUnveraendert)
{
    a = TAnzeigeWerte{};
    a.bEditor = bEditorModusAktiv();
    switch (Obj) {
    case Dynamische_Beschriftung: {
        const uint32_t dwWert = dwGetWertVonObj();
        if (BoolText) {
            a.bEin = dwWert != 0;
            break;
        }
        // An operand's value text follows from the fields, the value and
        // (through the operand in front) the mnemonic language alone: with
        // all of them as at the last formatting, Text0 already holds it.
        // A system variable's text may change without its value (the
        // address text) and is formatted every time.
        const char cSprache = MitOpAnzeigen ? SPR_GetCharOperand_E() : 0;
        if (Variable == 0 && bFelderUnveraendert && m_bTextGueltig && m_dwTextWert == dwWert &&
            m_cTextSprache == cSprache)
            return false;
        // The value text lives in Text0, so the panel file carries the
        // text shown last.
        Text0 = pcGetDynamicText(dwWert);
        m_bTextGueltig = Variable == 0;
        m_dwTextWert = dwWert;
        m_cTextSprache = cSprache;
        if (Variable != 0 && a.bEditor && bBreiteAnpassen) {
            const int iBreite =
                QFontMetrics(font()).horizontalAdvance(QString::fromUtf8(Text0)) + 3;
            if (w < iBreite)
                SetWidth(iBreite);
        }
        return true;
    }
    case LED:
        a.bEin = bLEDZustand();
        a.pBild0 = pBild0;
        a.pBild1 = pBild1;
        break;
    case AnalogEingang:
    case AnalogerAusgang:
        a.wRoh = wAnalogRoh();
        a.bAnalogMarkiert = bAnalogMarkiert;
        a.cSpracheE = SPR_GetCharOperand_E();
        a.cSpracheA = SPR_GetCharOperand_A();
        break;
    default:
        break;
    }
    return false;
}

void TMyObj::Zeichnen(bool bRahmenEntfernen)
{
    bool bGleich = m_bAngefordert && m_Felder == static_cast<const TMyObjFelder&>(*this);
    TAnzeigeWerte neu;
    // A value text formatted anew may have changed Text0 (and a counter's
    // width in the editor).
    if (AnzeigeErmitteln(neu, true, bGleich) && bGleich)
        bGleich = m_Felder == static_cast<const TMyObjFelder&>(*this);
    bGleich = bGleich && neu == m_Werte;
    if (!bGleich || (bRahmenEntfernen && m_bUmrandung)) {
        m_Werte = neu;
        m_Felder = *this;
        m_bAngefordert = true;
        m_bUmrandung = false;
        MalenAnfordern();
    }
    HotKeysPruefen();
}

QObject* TMyObj::pMalSammler()
{
    if (m_pSammlerEltern != parentWidget()) {
        m_pSammlerEltern = parentWidget();
        m_pSammler = pSammlerVon(m_pSammlerEltern);
    }
    return m_pSammler;
}

void TMyObj::MalenAnfordern()
{
    QWidget* pEltern = parentWidget();
    auto* pSammler = static_cast<TMalSammler*>(pMalSammler());
    if (!pSammler || !isVisible()) {
        update();
        return;
    }
    if (pSammler->bGanz) {
        ++pSammler->iAnstehend;
        return;   // the whole area is coming anyway
    }
    // Asked from within the parent's paint of the whole area (the panel's
    // repaint of all objects): this object is painted right after it.
    if (pSammler->bLaeuftGanz && pEltern->paintingActive())
        return;
    if (++pSammler->iAnstehend > iMaxEinzelAnforderungen || pSammler->bVorigerViele) {
        pSammler->bGanz = true;
        pEltern->update(ObjektBereich(pEltern));
    } else {
        update();
    }
}

void TMyObj::UmrandungZeichnen(int32_t iFarbe)
{
    if (m_bUmrandung && m_iUmrandungFarbe == iFarbe)
        return;
    m_bUmrandung = true;
    m_iUmrandungFarbe = iFarbe;
    MalenAnfordern();
}

std::string TMyObj::pcGetDynamicText(uint32_t dwWert) const
{
    char c[256];
    if (Variable != 0) {
        switch (Variable) {
        case SYSVAR_IP_ADR: return IPAdresseText();
        case SYSVAR_COUNT_S7_COMANDS:
        case SYSVAR_CYCLIC_COUNTER:
            std::snprintf(c, sizeof c, "%05d", static_cast<int>(dwWert));
            return c;
        default: return Text0;
        }
    }
    const std::string sVor = MitOpAnzeigen ? pcGetOperandStr() + "=" : std::string();
    const char* v = sVor.c_str();
    if (OpGroesse == 0) {
        std::snprintf(c, sizeof c, "%s%d", v, dwWert != 0 ? 1 : 0);
        return c;
    }
    const uint32_t b1 = dwWert & 0xFFu, b2 = dwWert & 0xFFFFu;
    // The size is checked before it is used: a size from a damaged file
    // would overflow the bit count.
    if (OpGroesse != 1 && OpGroesse != 2 && OpGroesse != 4)
        return Text0;
    const int iBits = OpGroesse * 8;
    switch (Darstellung) {
    case DARSTELLUNG_DECIMAL:
        if (OpGroesse == 1)
            std::snprintf(c, sizeof c, "%s%03d ", v, static_cast<int>(b1));
        else if (OpGroesse == 2)
            std::snprintf(c, sizeof c, "%s%05d ", v, static_cast<int>(b2));
        else
            std::snprintf(c, sizeof c, "%s%010d ", v, static_cast<int32_t>(dwWert));
        return c;
    case DARSTELLUNG_DECIMAL_SIGNED:
        if (OpGroesse == 1)
            std::snprintf(c, sizeof c, "%s%+03d ", v, static_cast<int>(b1));
        else if (OpGroesse == 2)
            std::snprintf(c, sizeof c, "%s%+06d ", v, static_cast<int>(static_cast<int16_t>(b2)));
        else
            std::snprintf(c, sizeof c, "%s%+010d ", v, static_cast<int32_t>(dwWert));
        return c;
    case DARSTELLUNG_HEX:
        if (OpGroesse == 1)
            std::snprintf(c, sizeof c, "%s0x%02X ", v, b1);
        else if (OpGroesse == 2)
            std::snprintf(c, sizeof c, "%s0x%04X ", v, b2);
        else
            std::snprintf(c, sizeof c, "%s0x%08X ", v, dwWert);
        return c;
    case DARSTELLUNG_DUAL:
        return sVor + BitsAlsText(dwWert, iBits) + " ";
    case DARSTELLUNG_REAL:
        std::snprintf(c, sizeof c, "%s%8X ", v, dwWert);
        return c;
    default:
        return Text0;
    }
}

// --- Drawing ---------------------------------------------------------------

void TMyObj::paintEvent(QPaintEvent*)
{
    if (auto* pSammler = static_cast<TMalSammler*>(pMalSammler()))
        pSammler->NeuerDurchgang();
    if (!m_bAngefordert) {
        // Shown before anyone asked for a paint: take the state now, but
        // leave the size alone while Qt paints.
        AnzeigeErmitteln(m_Werte, false, false);
        m_Felder = *this;
        m_bAngefordert = true;
    }
    QPainter p(this);
    MyOnPaint(p);
    if (m_bUmrandung)
        Rahmen(p, w, h, FarbeVonWert(m_iUmrandungFarbe));
}

void TMyObj::MyOnPaint(QPainter& p)
{
    // A painter on this object starts with its font; setting it again
    // costs a font resolve per object and step.
    if (p.device() != this)
        p.setFont(font());
    switch (Obj) {
    case Statische_Beschriftung: Paint_StaticText(p); break;
    case Dynamische_Beschriftung: Paint_DynamicText(p); break;
    case LED: Paint_LED(p); break;
    case Grafik: Paint_Grafik(); break;
    case AnalogEingang:
    case AnalogerAusgang: Paint_Analog(p); break;
    default: break;
    }
    HotKeysPruefen();
}

void TMyObj::RahmenZeichnen(QPainter& p) const
{
    if (m_Werte.bEditor)
        RahmenPunktiert(p, w, h);
}

void TMyObj::Paint_StaticText(QPainter& p)
{
    const QColor hinten = FarbeVonWert(ColorHi);
    if (!Transparent) {
        if (m_Werte.bEditor)
            Rechteck(p, 1, 1, w - 1, h - 1, hinten);
        else
            Rechteck(p, 0, 0, w, h, hinten);
    }
    p.setPen(FarbeVonWert(ColorLo));
    const QFontMetrics fm = p.fontMetrics();
    const QColor* pHinten = Transparent ? nullptr : &hinten;
    const char cArt = Text0.size() >= 2 && Text0[0] == '$' ? Text0[1] : 0;
    if (cArt == 'l' || cArt == 'r' || cArt == 'c') {
        const QString sRest = QString::fromUtf8(Text0.data() + 2, int(Text0.size() - 2));
        const int iBreite = fm.horizontalAdvance(sRest);
        int iX = 1;
        if (cArt == 'r')
            iX = Width() - iBreite - 1;
        else if (cArt == 'c')
            iX = Width() / 2 - iBreite / 2;
        Text(p, iX, 1, sRest, pHinten);
    } else {
        const QString sText = QString::fromUtf8(Text0);
        Text(p, Width() / 2 - fm.horizontalAdvance(sText) / 2, 1, sText, pHinten);
    }
    RahmenZeichnen(p);
}

void TMyObj::Paint_DynamicText(QPainter& p)
{
    const QColor hinten = FarbeVonWert(ColorHi);
    if (BoolText)
        Rechteck(p, 0, 0, w - 1, h - 1, hinten);
    p.setPen(FarbeVonWert(ColorLo));
    Text(p, 0, 0, QString::fromUtf8(BoolText && m_Werte.bEin ? Text1 : Text0), &hinten);
    if (m_Werte.bEditor)
        RahmenZeichnen(p);
    else if (Clickable)
        Rahmen(p, w, h, FarbeVonWert(FARBE_RUN_RAHMEN));
}

void TMyObj::Paint_LED(QPainter& p)
{
    const bool bEin = m_Werte.bEin;
    const int32_t iPinsel = bEin ? ColorHi : ColorLo;
    if (GrafikAkt) {
        const QImage* pBild = (bEin || GrafikAbs) ? pBild1 : pBild0;
        if (pBild)
            p.drawImage(0, 0, *pBild);
    } else {
        const QColor rand = FarbeVonWert(Clickable ? FARBE_RUN_RAHMEN : iPinsel);
        Rechteck(p, 0, 0, w - 1, h - 1, FarbeVonWert(iPinsel), &rand, m_Werte.bEditor);
    }
    RahmenZeichnen(p);
}

void TMyObj::Paint_Analog(QPainter& p)
{
    Rechteck(p, 0, 0, w - 1, h - 1, FarbeVonWert(FARBE_ANALOG_HINTERGRUND));

    const bool bAusgang = (Op == 'A' || Op == 'Q');
    const bool bEingang = (Op == 'E' || Op == 'I');
    const int32_t iBalken = bAusgang ? FARBE_ANALOG_AUSGANG
                          : bEingang ? FARBE_ANALOG_EINGANG
                                     : FARBE_ANALOG_HINTERGRUND;
    const QColor balken = FarbeVonWert(iBalken);
    // A letter without a range, or a $Messb outside the table's valid
    // entries, has no range: no bar and no texts.
    const Messbereich* pBereich = pGetMessbereich();

    if (m_Werte.bEditor)
        RahmenPunktiert(p, w, h);
    else if (Op != 0 && (Op == m_Werte.cSpracheE || Op == m_Werte.cSpracheA))
        Rahmen(p, w, h, FarbeVonWert(FARBE_RUN_RAHMEN));
    else
        Rahmen(p, w, h, balken);
    if (!pBereich)
        return;

    // The span is taken in 64 bits: a range file may give the raw ends any
    // 32-bit values. Held to 16 bits as the raw word is.
    const uint16_t wSpanne = static_cast<uint16_t>(static_cast<int64_t>(pBereich->iRohOberwert) -
                                                   pBereich->iRohUnterwert);
    int32_t iRoh = 0;
    float f = 0.0f;
    if (pBereich->iRohUnterwert < 0) {
        iRoh = static_cast<int16_t>(m_Werte.wRoh);
        if (wSpanne != 0)
            f = (static_cast<float>(iRoh) + std::fabs(static_cast<float>(pBereich->iRohUnterwert))) /
                static_cast<float>(wSpanne);
    } else {
        iRoh = m_Werte.wRoh;
        if (wSpanne != 0)
            f = static_cast<float>(iRoh) / static_cast<float>(wSpanne);
    }
    const float fBreite = static_cast<float>(Width() - 2);
    const float fHoehe = static_cast<float>(Height() - 2);
    switch (Ausrichtung) {
    case 'o':
    case 0: Rechteck(p, 1, iKuerzen(static_cast<float>(h - 1) - fHoehe * f + 2.0f), w - 1, h - 1, balken); break;
    case 'u': Rechteck(p, 1, 1, w - 1, iKuerzen(1.0f + fHoehe * f + 2.0f), balken); break;
    case 'r': Rechteck(p, 1, 1, iKuerzen(1.0f + fBreite * f + 2.0f), h - 1, balken); break;
    case 'l': Rechteck(p, iKuerzen(static_cast<float>(w - 1) - fBreite * f + 2.0f), 1, w - 1, h - 1, balken); break;
    default: Rechteck(p, 0, 0, w - 1, h - 1, balken); break;
    }

    if (Obj == AnalogEingang && !m_Werte.bEditor && m_Werte.bAnalogMarkiert)
        Rahmen(p, 1, 1, w - 2, h - 2, FarbeVonWert(FARBE_ANALOG_MARKE));

    p.setFont(AnalogSchrift(font()));
    p.setPen(Qt::black);
    const QFontMetrics fm = p.fontMetrics();
    auto bPasst = [&](const QString& s) {
        return fm.horizontalAdvance(s) < Width() - 2 && fm.height() < Height() - 2;
    };
    if (IstwertAnzeigen) {
        const QString s = QString::fromUtf8(AnalogWertText(iRoh));
        if (bPasst(s))
            Text(p, 2, Height() - fm.height() - 2, s, nullptr);
    }
    if (AdrAnzeigen) {
        const QString sLang = QString::fromUtf8(AnalogAdrText(true));
        const QString sKurz = QString::fromUtf8(AnalogAdrText(false));
        if (bPasst(sLang))
            Text(p, 2, 2, sLang, nullptr);
        else if (bPasst(sKurz))
            Text(p, 2, 2, sKurz, nullptr);
    }
}

std::string TMyObj::AnalogWertText(int32_t iRoh) const
{
    const Messbereich* pBereich = pGetMessbereich();
    if (!pBereich)
        return std::string();
    float fWert = 0.0f;
    GetAnalogWertVonStatus(fWert, iRoh);
    const int n = pBereich->iNachkommastellen;
    const int iStellen = (n == 3 || n == 2 || n == 1) ? n : 0;
    return FestkommaText(fWert, iStellen, 2) + " " + pBereich->cEinheit;
}

std::string TMyObj::AnalogAdrText(bool bLang) const
{
    if (!pGetMessbereich())
        return std::string();
    // The kind decides the operand text and the table of the range's name.
    const bool bKindEingang = (Obj == AnalogEingang);
    const char* pcOperand = bKindEingang ? SPR_GetOperand_E() : SPR_GetOperand_A();
    char c[64];
    std::snprintf(c, sizeof c, "P%sW%d", pcOperand ? pcOperand : "", Adr);
    std::string s = c;
    if (bLang) {
        const Messbereich* pName = ::pGetMessbereich(bKindEingang, Messb);
        s += " " + (pName ? pName->cName : std::string());
    }
    return s;
}
