// The main window's own status bar: up to ten text fields, laid out from
// the right edge with 5-pixel gaps; the last field takes the rest. A field
// is as wide as its sample or the widest text it has shown.
#include "HauptForm.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "Meldungen.h"

namespace {

// The longest start of the text that fits nMax bytes without cutting a
// UTF-8 character in two.
std::size_t Utf8Laenge(const char* pcText, std::size_t nMax)
{
    std::size_t n = std::strlen(pcText);
    if (n <= nMax) return n;
    n = nMax;
    while (n > 0 && (static_cast<unsigned char>(pcText[n]) & 0xC0) == 0x80) --n;
    return n;
}

// A field's width for a text: the text and one "W" of room.
int iFeldBreite(const QFontMetrics& fm, const char* pcText)
{
    return fm.horizontalAdvance(QString::fromUtf8(pcText)) + fm.horizontalAdvance("W");
}

} // namespace

int THauptformular::StatusPanelHinzufuegen(int, int iStandardBreite, const char* pcMuster)
{
    if (iAnzahlStatusPanels >= iMaxStatusPanels) return -1;
    StatusPanelEintrag& e = StatusPanels[iAnzahlStatusPanels];
    if (pcMuster && *pcMuster)
        e.iBreite = iFeldBreite(StatusBarPaintBox->fontMetrics(), pcMuster);
    else
        e.iBreite = iStandardBreite;
    e.iMusterBreite = e.iBreite;
    const int iH = StatusBarPaintBox->height();
    e.iOben = iH / 2 - (iH - 4) / 2;
    e.iUnten = e.iOben + iH - 4;
    e.cText[0] = '\0';
    const int iIndex = iAnzahlStatusPanels++;
    StatusPanelsAnordnen();
    return iIndex;
}

void THauptformular::StatusPanelsAnordnen()
{
    const int iLetzter = iAnzahlStatusPanels - 1;
    for (int i = 0; i < iAnzahlStatusPanels; ++i) {
        StatusPanelEintrag& e = StatusPanels[i];
        if (i == iLetzter) {
            // The last field fills the rest from x = 5 (a lone field runs
            // to the right edge).
            e.iLinks = 5;
            e.iRechts = i == 0 ? StatusBarPaintBox->x() + StatusBarPaintBox->width() - 5
                               : StatusPanels[i - 1].iLinks - 5;
        } else if (i == 0) {
            e.iRechts = StatusBarPaintBox->x() + StatusBarPaintBox->width() - 5;
            e.iLinks = e.iRechts - e.iBreite;
        } else {
            e.iRechts = StatusPanels[i - 1].iLinks - 5;
            e.iLinks = e.iRechts - e.iBreite;
        }
    }
}

void THauptformular::StatusTextSetzen(int iIndex, const char* pcText)
{
    if (iIndex < 0 || iIndex >= iAnzahlStatusPanels) return;
    StatusPanelEintrag& e = StatusPanels[iIndex];
    const char* p = pcText ? pcText : "";
    const std::size_t n = Utf8Laenge(p, iMaxStatusText);
    std::memcpy(e.cText, p, n);
    e.cText[n] = '\0';
    // A text wider than the field's sample (a tool name in German, say)
    // widens the field for good rather than being cut; the message field
    // on the left gives up the room. Up to twice the sample's width, so
    // that a runaway text cannot push the message field off the bar.
    const int iNoetig = std::min(iFeldBreite(StatusBarPaintBox->fontMetrics(), e.cText), 2 * e.iMusterBreite);
    if (iIndex != iAnzahlStatusPanels - 1 && iNoetig > e.iBreite) {
        e.iBreite = iNoetig;
        StatusPanelsAnordnen();
        StatusBarPaintBox->update();
    }
    StatusPanelZeichnen(iIndex);
}

void THauptformular::StatusPanelZeichnen(int iIndex)
{
    if (iIndex < 0 || iIndex >= iAnzahlStatusPanels) return;
    const StatusPanelEintrag& e = StatusPanels[iIndex];
    StatusBarPaintBox->repaint(QRect(QPoint(e.iLinks, e.iOben), QPoint(e.iRechts, e.iUnten)));
}

void THauptformular::StatusPanelZeichnen(QPainter& Canvas, int iIndex)
{
    if (iIndex < 0 || iIndex >= iAnzahlStatusPanels) return;
    const StatusPanelEintrag& e = StatusPanels[iIndex];
    const QRect rc(QPoint(e.iLinks, e.iOben), QPoint(e.iRechts, e.iUnten));
    const QColor Farbe = StatusPanel->palette().color(StatusPanel->backgroundRole());
    Canvas.save();
    Canvas.setPen(Farbe);
    Canvas.setBrush(Farbe);
    Canvas.drawRect(rc);

    // One line, clipped by the field, never wrapped.
    Canvas.setClipRect(rc);
    Canvas.setPen(Qt::black);
    const bool bLetzter = iIndex == iAnzahlStatusPanels - 1;
    QRect rcText = rc;
    if (bLetzter) rcText.setLeft(rc.left() + 10);
    const int iAusrichtung =
        Qt::TextSingleLine | Qt::AlignVCenter | (bLetzter ? Qt::AlignLeft : Qt::AlignHCenter);
    Canvas.drawText(rcText, iAusrichtung, QString::fromUtf8(e.cText));
    Canvas.setClipping(false);

    Rahmen3DZeichnen(Canvas, &rc);
    Canvas.restore();
}

void THauptformular::StatusBarPaintBoxPaint()
{
    QPainter Canvas(StatusBarPaintBox);
    for (int i = 0; i < iAnzahlStatusPanels; ++i) {
        const StatusPanelEintrag& e = StatusPanels[i];
        const QRect rc(QPoint(e.iLinks, e.iOben), QPoint(e.iRechts, e.iUnten));
        if (!pStatusZeichenBereich || pStatusZeichenBereich->intersects(rc))
            StatusPanelZeichnen(Canvas, i);
    }
}

void THauptformular::StatusPanelResize()
{
    StatusBarPaintBox->setGeometry(0, 0, StatusPanel->width(), StatusPanel->height());
    StatusPanelsAnordnen();
    StatusBarPaintBox->update();
}
