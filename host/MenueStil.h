// Shortcut names in the menus: the key names of the text language.
//
// The menus are drawn by the platform style; this proxy only replaces the
// shortcut text of each item (the part after the tab that the menu hands to
// the style) by the program's own key names: German names ("Strg+O",
// "Entf") for German texts, and for any other language with "Strg", "Einfg"
// and "Entf" turned into "Ctrl", "Ins" and "Del".
#pragma once

#include <QProxyStyle>

#include <string>

class QKeySequence;

// German key names of a shortcut ("Strg+Alt+H", "Entf", "F1"); several
// keys are joined by ", ".
std::string ShortcutTextDeutsch(const QKeySequence& Taste);
// The shortcut text for text language ucSprache.
std::string MenueShortcutText(const QKeySequence& Taste, unsigned char ucSprache);
// A menu item's text "caption\tshortcut" with the shortcut in the key names
// of the current text language; a text without a tab stays as it is.
QString MenueTextLokalisiert(const QString& sText);

class TMenueStil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement Element, const QStyleOption* pOption, QPainter* pMaler,
                     const QWidget* pWidget = nullptr) const override;
    QSize sizeFromContents(ContentsType Art, const QStyleOption* pOption, const QSize& Groesse,
                           const QWidget* pWidget = nullptr) const override;
};
