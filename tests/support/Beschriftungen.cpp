#include "Beschriftungen.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace testhilfe {

namespace {

// What a caption shows: without the '&' that marks the shortcut.
QString Sichtbar(QString s)
{
    return s.replace(QLatin1String("&&"), QLatin1String("\x01")).remove('&').replace(QChar(1), QChar('&'));
}

} // namespace

std::vector<std::string> AbgeschnitteneBeschriftungen(const QWidget* pFenster)
{
    std::vector<std::string> fehler;
    auto melden = [&](const QWidget* p, const QString& sText) {
        const QWidget* pBenannt = p;
        while (pBenannt->objectName().isEmpty() && pBenannt->parentWidget()) pBenannt = pBenannt->parentWidget();
        fehler.push_back((pBenannt->objectName() + ": " + sText).toStdString());
    };
    for (const QWidget* p : pFenster->findChildren<QWidget*>()) {
        if (!p->isVisibleTo(pFenster)) continue;
        if (const auto* l = qobject_cast<const QLabel*>(p)) {
            // A wrapping label takes more lines instead of more width.
            if (l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) continue;
            if (l->width() < l->sizeHint().width()) melden(l, l->text());
        } else if (const auto* k = qobject_cast<const QPushButton*>(p)) {
            // The style gives a push button a least width of its own: only
            // the caption and its margins count.
            const int iSymbol = k->icon().isNull() ? 0 : k->iconSize().width();
            const int iText = k->fontMetrics().horizontalAdvance(Sichtbar(k->text())) + iSymbol;
            if (!k->text().isEmpty() && k->width() < iText + 4)
                melden(k, k->text());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(p)) {
            if (!b->text().isEmpty() && b->width() < b->sizeHint().width()) melden(b, b->text());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(p)) {
            const int iTitel = g->fontMetrics().horizontalAdvance(Sichtbar(g->title()));
            if (!g->title().isEmpty() && g->width() < iTitel + 2 * g->fontMetrics().averageCharWidth())
                melden(g, g->title());
        } else if (const auto* h = qobject_cast<const QHeaderView*>(p)) {
            if (h->orientation() != Qt::Horizontal) continue;
            for (int i = 0; i < h->count(); ++i) {
                // A section beyond the right edge is scrolled away, not cut.
                if (h->isSectionHidden(i) || h->sectionViewportPosition(i) >= h->width()) continue;
                const QString s = h->model()->headerData(i, Qt::Horizontal).toString();
                // Where the head draws the text, against the part of its
                // section that lies inside the head's own width.
                const int iBreite = h->fontMetrics().horizontalAdvance(s);
                const int iPos = h->sectionViewportPosition(i), iGroesse = h->sectionSize(i);
                const int iText = h->defaultAlignment() & Qt::AlignLeft ? iPos + 4 : iPos + (iGroesse - iBreite) / 2;
                if (iText < std::max(0, iPos) || iText + iBreite > std::min(h->width(), iPos + iGroesse))
                    melden(h, s);
            }
        }
    }
    return fehler;
}

} // namespace testhilfe
