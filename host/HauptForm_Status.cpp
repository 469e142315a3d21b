// The main window's own status bar: up to ten text fields, laid out from
// the right edge with 5-pixel gaps; the last field takes the rest.
#include "HauptForm.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

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

} // namespace

int THauptformular::StatusPanelHinzufuegen(int, int iStandardBreite, const char* pcMuster)
{
    if (iAnzahlStatusPanels >= iMaxStatusPanels) return -1;
    StatusPanelEintrag& e = StatusPanels[iAnzahlStatusPanels];
    const QFontMetrics fm = StatusBarPaintBox->fontMetrics();
    if (pcMuster && *pcMuster)
        e.iBreite = fm.horizontalAdvance(QString::fromUtf8(pcMuster)) + fm.horizontalAdvance("W");
    else
        e.iBreite = iStandardBreite;
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
