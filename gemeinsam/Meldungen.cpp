// Message boxes and the small shared helpers of the main program.
#include "Meldungen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QPainter>
#include <QRect>

#include <climits>
#include <cstring>

#include "PoolText.h"
#include "WinMeldung.h"

namespace {

int iSanduhrZaehler = 0;

// Lets the window behind a box repaint before the box takes the input.
void AnstehendeNachrichtenVerarbeiten()
{
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

QWidget* BoxBesitzer()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::activeWindow()
                                                                       : nullptr;
}

// The decimal value at position iPos of the text, read the way atoi reads
// (leading blanks, a sign, digits); 0 when the text is shorter than iPos or
// holds no number there. Held to the int range instead of overflowing.
long DezimalAnStelle(const char* pcText, std::size_t nPos)
{
    if (!pcText || std::strlen(pcText) <= nPos) return 0;
    const char* p = pcText + nPos;
    while (*p == ' ' || *p == '\t') ++p;
    bool bNegativ = false;
    if (*p == '+' || *p == '-') bNegativ = (*p++ == '-');
    long lWert = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (lWert < INT_MAX) lWert = lWert * 10 + (*p - '0');
        if (lWert > INT_MAX) lWert = INT_MAX;
    }
    return bNegativ ? -lWert : lWert;
}

struct PeriodeText {
    uint16_t wCode;
    unsigned long ulText;
};
constexpr PeriodeText Perioden[] = {
    {0x0000, 1185}, {0x0201, 1186}, {0x0401, 1187}, {0x1001, 1188},
    {0x1201, 1189}, {0x1401, 1190}, {0x1801, 1191}, {0x2001, 1192},
};

} // namespace

char* ProgrammTitel()
{
    static char cTitel[64];
    std::snprintf(cTitel, sizeof cTitel, "%s %s", "Veltrano", "1.6.1");
    return cTitel;
}

int FehlerMeldung(const char* pcText)
{
    AnstehendeNachrichtenVerarbeiten();
    return MessageBoxA(BoxBesitzer(), pcText ? pcText : "", ProgrammTitel(), MB_OK | MB_ICONERROR);
}

int FehlerMeldung(const std::string& sText) { return FehlerMeldung(sText.c_str()); }

int InfoMeldung(const char* pcText)
{
    AnstehendeNachrichtenVerarbeiten();
    return MessageBoxA(BoxBesitzer(), pcText ? pcText : "", ProgrammTitel(),
                       MB_OK | MB_ICONINFORMATION);
}

std::string FeldnameAusBeschriftung(const std::string& sBeschriftung)
{
    std::string s;
    for (char c : sBeschriftung)
        if (c != '&') s += c;
    s = ZahlFeldOhneRand(s);
    while (!s.empty() && s.back() == ':') s.pop_back();
    return ZahlFeldOhneRand(s);
}

std::string ZahlFeldMeldung(const std::string& sText, TZahlArt Art, const std::string& sFeld)
{
    return PoolTextFormat(ulZahlFeldFehlertext(Art), "%s%s", ZahlFeldOhneRand(sText).c_str(), sFeld.c_str());
}

int InfoMeldung(const std::string& sText) { return InfoMeldung(sText.c_str()); }

int iJaNeinAbbruchFrage(const char* pcText)
{
    AnstehendeNachrichtenVerarbeiten();
    // Closing the dialog by its title bar counts as Cancel.
    return MeldungMitKnoepfen(BoxBesitzer(), pcText ? pcText : "", PoolText(1253), MB_ICONQUESTION,
                              {{PoolText(1182), 6}, {PoolText(1254), 7}, {PoolText(1255), 2}}, 2);
}

int iJaNeinAbbruchFrage(const std::string& sText) { return iJaNeinAbbruchFrage(sText.c_str()); }

void RectKopieren(QRect* pZiel, const QRect* pQuelle)
{
    if (!pZiel || !pQuelle) return;
    pZiel->setCoords(pQuelle->left(), pQuelle->top(), pQuelle->right(), pQuelle->bottom());
}

void Rahmen3DZeichnen(QPainter& Canvas, const QRect* pRect)
{
    if (!pRect) return;
    const QPoint obenLinks = pRect->topLeft();
    const QPoint obenRechts = pRect->topRight();
    const QPoint untenLinks = pRect->bottomLeft();
    const QPoint untenRechts = pRect->bottomRight();
    Canvas.setPen(Qt::white);
    Canvas.drawLine(untenLinks, obenLinks);
    Canvas.drawLine(obenLinks, obenRechts);
    Canvas.setPen(Qt::black);
    Canvas.drawLine(obenRechts, untenRechts);
    Canvas.drawLine(untenRechts, untenLinks);
}

int ZeileSchreiben(const char* pcText, std::FILE* pDatei)
{
    if (!pDatei) return EOF;
    const int iErgebnis = std::fprintf(pDatei, "%s", pcText ? pcText : "");
    std::fputc('\n', pDatei);
    return iErgebnis;
}

void SanduhrEin()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ++iSanduhrZaehler;
}

void SanduhrAus()
{
    if (iSanduhrZaehler > 0) --iSanduhrZaehler;
    if (iSanduhrZaehler == 0 && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
}

int iSanduhrTiefe() { return iSanduhrZaehler; }

void UhrzeitAlarmAlsText(std::string& sZeit, std::string& sDatum, const TUhrzeitAlarm* pAlarm)
{
    char cZeit[32];
    char cDatum[32];
    UhrzeitAlarmAlsText(cZeit, cDatum, pAlarm);
    sZeit = cZeit;
    sDatum = cDatum;
}

void UhrzeitAlarmAlsText(char* pcZeit, char* pcDatum, const TUhrzeitAlarm* pAlarm)
{
    if (!pAlarm) return;
    // The callers' buffers hold at least 20 characters; the longest result
    // ("255:255:00", "255.255.65535") stays well below.
    if (pcZeit) std::snprintf(pcZeit, 20, "%02d:%02d:%02d", pAlarm->byStunde, pAlarm->byMinute, 0);
    if (pcDatum)
        std::snprintf(pcDatum, 20, "%02d.%02d.%d", pAlarm->byTag, pAlarm->byMonat, pAlarm->wJahr);
}

bool bUhrzeitAlarmAusText(const char* pcZeit, bool* pbZeitUngueltig, const char* pcDatum,
                          bool* pbDatumUngueltig, TUhrzeitAlarm* pAlarm)
{
    bool bZeitUngueltig = false;
    bool bDatumUngueltig = false;
    TUhrzeitAlarm Leer{};
    TUhrzeitAlarm* p = pAlarm ? pAlarm : &Leer;

    p->byStunde = static_cast<uint8_t>(DezimalAnStelle(pcZeit, 0));
    p->byMinute = static_cast<uint8_t>(DezimalAnStelle(pcZeit, 3));
    p->byTag = static_cast<uint8_t>(DezimalAnStelle(pcDatum, 0));
    p->byMonat = static_cast<uint8_t>(DezimalAnStelle(pcDatum, 3));
    p->wJahr = static_cast<uint16_t>(DezimalAnStelle(pcDatum, 6));

    if (p->byTag > 31 || p->byMonat > 12 || p->wJahr > 2020 || p->wJahr < 1990)
        bDatumUngueltig = true;
    if (p->byStunde > 23 || p->byMinute > 59) bZeitUngueltig = true;

    if (pbZeitUngueltig) *pbZeitUngueltig = bZeitUngueltig;
    if (pbDatumUngueltig) *pbDatumUngueltig = bDatumUngueltig;
    return !bZeitUngueltig && !bDatumUngueltig;
}

std::string UhrzeitAlarmPeriodeText(uint16_t wPeriode)
{
    for (const PeriodeText& e : Perioden)
        if (e.wCode == wPeriode) return PoolText(e.ulText);
    return std::string();
}

char* UhrzeitAlarmPeriodeText(uint16_t wPeriode, char* pcZiel, std::size_t nGroesse)
{
    if (!pcZiel || nGroesse == 0) return pcZiel;
    const std::string s = UhrzeitAlarmPeriodeText(wPeriode);
    std::snprintf(pcZiel, nGroesse, "%s", s.c_str());
    return pcZiel;
}
