// The language menu: switching the text language while the program runs.
// Menus, actions, hints, filters, the window caption and the status bar
// take the new texts at once; the mnemonics follow (German texts with
// German mnemonics, every other language with international ones), and so
// do the engine's own texts.
#include "HauptForm.h"

#include "MenueStil.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinQtTexte.h"
#include "kolv_spr2.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

void THauptformular::SpracheUmschalten(int iSprache)
{
    // A language whose texts cannot be loaded changes nothing: not the
    // texts, the mnemonics, the tick nor the language kept for the next
    // start (which would bring the same box at every start).
    const unsigned char ucVorher = SPR_GetTextSprache();
    SPR_SetTextSprache(static_cast<unsigned char>(iSprache));
    if (!bSprachDateiLaden(SPR_GetTextSprache())) {
        SPR_SetTextSprache(ucVorher);
        return;
    }
    Sprache = SPR_GetTextSprache();

    SprachTexteAnwenden();
    TitelAktualisieren();
    HinweisAnordnen();
    if (iAnzahlStatusPanels > 0) {
        StatusTextSetzen(iPanelModus, PoolText(bEditorModus ? 1338 : 1339).c_str());
        WerkzeugAnzeigen();
    }
    update();

    SprachStandAbgleichen();
}

void THauptformular::SprachStandAbgleichen()
{
    // Also at a start without a stored language, or with one whose file
    // could not be loaded: the language whose texts are on screen is the
    // one ticked, and the mnemonics and Qt's own texts go with it.
    Sprache = SPR_GetTextSprache();
    SPR_SetSyntaxSprache(Sprache == 1 ? 1 : 2);
    bQtTexteEinstellen(Sprache == 1);

    const std::pair<QAction*, int> Eintraege[] = {
        {MenuSprachenDeutsch, 1},  {MenuSprachenEnglish, 2},   {MenuSprachenPortugal, 7},
        {MenuSpracheItalien, 6},   {MenuSpracheFrankreich, 8}, {MenuSpracheSpanien, 3},
        {MenuSprachenRussian, 5}};
    for (const auto& [pEintrag, iNr] : Eintraege) pEintrag->setChecked(false);
    for (const auto& [pEintrag, iNr] : Eintraege)
        if (iNr == Sprache) pEintrag->setChecked(true);
}

void THauptformular::MenueStilSetzen()
{
    // Owned by the menu bar and made after its menus, so it outlives them.
    auto* pStil = new TMenueStil;
    pStil->setParent(MainMenu1);
    for (QMenu* pMenue : MainMenu1->findChildren<QMenu*>()) pMenue->setStyle(pStil);
}
