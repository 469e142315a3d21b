// The two view toggles, reached by their shortcuts (and the tool-bar one by
// the command line): the panel keeps its place on the screen, the window
// grows or shrinks by what is shown or hidden.
#include "HauptForm.h"

#include "MyObj.h"

#include <QMenuBar>
#include <QToolBar>

void THauptformular::aAnsichtMenueOnOffExecute()
{
    if (!MainMenu1) return;
    const int iMenueHoehe = MainMenu1->sizeHint().height();
    if (!MainMenu1->isHidden()) {
        MainMenu1->hide();
        resize(width(), height() - iMenueHoehe);
    } else {
        MainMenu1->show();
        resize(width(), height() + iMenueHoehe);
    }
    update();
}

void THauptformular::aAnsichtMausbuttonOnOffExecute()
{
    if (!ToolBar1 || !StatusPanel) return;
    const int iLeiste = ToolBar1->height();
    const int d = StatusPanel->height() + iLeiste;
    const bool bVerbergen = !ToolBar1->isHidden();
    ToolBar1->setVisible(!bVerbergen);
    StatusPanel->setVisible(!bVerbergen);
    resize(width(), height() + (bVerbergen ? -d : d));
    const int iVerschiebung = bVerbergen ? -iLeiste : iLeiste;
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        if (Objekte[i]) Objekte[i]->SetTop(Objekte[i]->Top() + iVerschiebung);
    }
    update();
}
