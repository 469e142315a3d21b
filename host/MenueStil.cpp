#include "MenueStil.h"

#include "HauptForm.h"
#include "kolv_spr2.h"

#include <QKeySequence>
#include <QStringList>
#include <QStyleOptionMenuItem>

std::string ShortcutTextDeutsch(const QKeySequence& Taste)
{
    // The portable names are fixed English ones; each part of a key is
    // given its German name.
    static const std::pair<const char*, const char*> Namen[] = {
        {"Ctrl", "Strg"}, {"Shift", "Umschalt"}, {"Del", "Entf"}, {"Ins", "Einfg"},
        {"Backspace", "Rück"}, {"PgUp", "Bild auf"}, {"PgDown", "Bild ab"}, {"Home", "Pos1"},
        {"End", "Ende"}, {"Space", "Leer"}};
    std::string sErgebnis;
    for (int i = 0; i < Taste.count(); ++i) {
        const QStringList Teile =
            QKeySequence(Taste[i]).toString(QKeySequence::PortableText).split('+', Qt::SkipEmptyParts);
        std::string sTaste;
        for (const QString& sTeil : Teile) {
            std::string s = sTeil.toStdString();
            for (const auto& [pcEnglisch, pcDeutsch] : Namen)
                if (s == pcEnglisch) s = pcDeutsch;
            sTaste += (sTaste.empty() ? "" : "+") + s;
        }
        sErgebnis += (sErgebnis.empty() ? "" : ", ") + sTaste;
    }
    return sErgebnis;
}

std::string MenueShortcutText(const QKeySequence& Taste, unsigned char ucSprache)
{
    std::string s = ShortcutTextDeutsch(Taste);
    if (ucSprache != 1) {
        ShortcutNamenUebersetzen(s, "Strg", "Ctrl");
        ShortcutNamenUebersetzen(s, "Einfg", "Ins");
        ShortcutNamenUebersetzen(s, "Entf", "Del");
    }
    return s;
}

QString MenueTextLokalisiert(const QString& sText)
{
    const qsizetype nTab = sText.indexOf('\t');
    if (nTab < 0)
        return sText;
    const QKeySequence Taste(sText.mid(nTab + 1), QKeySequence::NativeText);
    if (Taste.isEmpty())
        return sText;
    return sText.left(nTab + 1) + QString::fromStdString(MenueShortcutText(Taste, SPR_GetTextSprache()));
}

void TMenueStil::drawControl(ControlElement Element, const QStyleOption* pOption, QPainter* pMaler,
                             const QWidget* pWidget) const
{
    if (Element == CE_MenuItem) {
        if (const auto* pEintrag = qstyleoption_cast<const QStyleOptionMenuItem*>(pOption)) {
            QStyleOptionMenuItem Eintrag(*pEintrag);
            Eintrag.text = MenueTextLokalisiert(Eintrag.text);
            QProxyStyle::drawControl(Element, &Eintrag, pMaler, pWidget);
            return;
        }
    }
    QProxyStyle::drawControl(Element, pOption, pMaler, pWidget);
}

QSize TMenueStil::sizeFromContents(ContentsType Art, const QStyleOption* pOption, const QSize& Groesse,
                                   const QWidget* pWidget) const
{
    QSize Ergebnis = QProxyStyle::sizeFromContents(Art, pOption, Groesse, pWidget);
    if (Art == CT_MenuItem) {
        if (const auto* pEintrag = qstyleoption_cast<const QStyleOptionMenuItem*>(pOption)) {
            // The menu reserved room for the platform's shortcut names; a
            // longer own name gets the difference.
            const qsizetype nTab = pEintrag->text.indexOf('\t');
            if (nTab >= 0) {
                const QString sLokal = MenueTextLokalisiert(pEintrag->text).mid(nTab + 1);
                const int iMehr = pEintrag->fontMetrics.horizontalAdvance(sLokal) -
                                  pEintrag->fontMetrics.horizontalAdvance(pEintrag->text.mid(nTab + 1));
                if (iMehr > 0)
                    Ergebnis.rwidth() += iMehr;
            }
        }
    }
    return Ergebnis;
}
