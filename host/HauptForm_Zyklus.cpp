// The cycle step that the pacing thread hands to the graphical thread, the
// thread's stop, and the switch between EDITOR and RUN.
#include "HauptForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>

#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "Programm.h"
#include "Thread_EA.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace {

// Minimum milliseconds between two engine steps.
constexpr uint32_t dwEngineAbstand = 5;

} // namespace

void THauptformular::SPSZyklusSchritt()
{
    if (dwEndeLetzterSchritt != 0) iZykluszeit = static_cast<int32_t>(timeGetTime() - dwEndeLetzterSchritt);
    if (dwLetzterEngineSchritt == 0) dwLetzterEngineSchritt = timeGetTime();

    if (!bEditorModus) {
        // The panel first shows the memory as the last engine cycle left it.
        for (int i = 0; i < iAnzahlObjekte; ++i) {
            TMyObj* p = Objekte[i];
            if (!p) continue;
            switch (p->Obj) {
            case Dynamische_Beschriftung:
            case LED:
            case Grafik:
                p->Zeichnen();
                break;
            case AnalogEingang:
            case AnalogerAusgang:
                if (p->bAnalogWertGeaendert()) p->Zeichnen();
                break;
            default:
                break;
            }
        }
        if (timeGetTime() - dwLetzteAnzeige > 500) {
            dwLetzteAnzeige = timeGetTime();
            StatusTextSetzen(iPanelZykluszeit, TextFormatieren("%-4d ms", "%d", iZykluszeit).c_str());
        }
        if (timeGetTime() - dwLetzterEngineSchritt > dwEngineAbstand) {
            if (D7ED_BSRoutineReady()) D7ED_BSRoutine();
            if (D7ED_Step7ZyklusReady()) D7ED_Step7Zyklus();
            dwLetzterEngineSchritt = timeGetTime();
        }
        if (wSchrittZaehler & 1) BewegungsprofileAusfuehren();
    }

    dwEndeLetzterSchritt = timeGetTime();
    ++wSchrittZaehler;
}

bool THauptformular::EAThreadStoppen()
{
    if (!pEAThread) return true;
    pEAThread->bStop = true;
    pEAThread->requestInterruption();
    // The grace period; a step that the thread queued just before the stop
    // is handed back meanwhile (it is dropped), so the thread can end.
    QElapsedTimer Uhr;
    Uhr.start();
    while (Uhr.elapsed() < 250) {
        pEAThread->AnstehendenSchrittAbarbeiten();
        Sleep(5);
    }
    return !pEAThread->bBeschaeftigt;
}

void THauptformular::EAThreadLoeschen()
{
    if (!pEAThread) return;
    EAThread* p = pEAThread;
    pEAThread = nullptr;
    if (p->bSchrittLaeuft) {
        // Called from within a cycle step (a box opened by the step): the
        // thread waits for this very step, so it is deleted when it ends.
        p->bStop = true;
        p->requestInterruption();
        connect(p, &QThread::finished, p, &QObject::deleteLater);
        return;
    }
    delete p;
}

void THauptformular::aMaske_RUN_EDITORExecute()
{
    StatusTextSetzen(iPanelMeldung, "");
    if (MaskeFile.empty()) {
        InfoMeldung(PoolText(6860));
        return;
    }
    if (!bEditorModus) {
        // Cancel in the dump's question keeps RUN as it is, so it is asked
        // before anything leaves RUN.
        if (!StartupWldSchreiben()) return;
        if (!bObjekteRUNInit()) return;
    }
    if (bEditorModus) {
        // In RUN nothing is selected: the arrow keys would otherwise move
        // objects whose frames no longer show.
        MarkierungAufheben();
        pAktivesObjekt = nullptr;
        bZiehen = false;
        ptMausDown = QPoint();
    }
    bEditorModus = !bEditorModus;
    Arbeitsflaeche->update();
    ModusAnzeigen();
}

void THauptformular::ModusAnzeigen()
{
    if (bEditorModus) {
        StatusTextSetzen(iPanelModus, PoolText(1338).c_str());
        StatusTextSetzen(iPanelZykluszeit, "-");
        WerkzeugAnzeigen();
        BewegungsprofileZuruecksetzen();
    } else {
        StatusTextSetzen(iPanelModus, PoolText(1339).c_str());
        StatusTextSetzen(iPanelZykluszeit, "x ms");
        StatusTextSetzen(iPanelWerkzeug, "-");
        BewegungsprofileStarten();
    }
    for (QAction* a :
         {aDatei_Oeffnen, aDatei_Neu, aDatei_Speichern, aDatei_SpeichernUnter, aBearbeiten_Kopieren,
          aBearbeiten_Einfuegen, aBearbeiten_Loeschen, aBearbeiten_Ausrichten_H,
          aBearbeiten_Ausrichten_V, aBearbeiten_Gleicher_Abstand_H, aBearbeiten_Gleicher_Abstand_V,
          aMaske_Hintergrundbild_laden, aMaske_Pfeil, aMaske_Obj_Statische_Beschriftung,
          aMaske_Obj_Dynamische_Beschriftung, aMaske_Obj_LED, aMaske_Obj_Grafik,
          aBearbeiten_AllesMarkieren, aMaske_Obj_AnalogEingang, aMaske_Obj_AnalogerAusgang,
          aMaskeAnordnenVorne, aMaskeAnordnenHinten})
        a->setEnabled(bEditorModus);
}

bool THauptformular::bObjekteRUNInit()
{
    MarkierungAufheben();
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (!p || p->Obj != LED) continue;
        if (!p->bObjRUN_Init()) {
            FehlerMeldung(PoolText(1348));
            ObjektMarkieren(p);
            return false;
        }
    }
    return true;
}

void THauptformular::aMaske_GrunstellungExecute()
{
    for (int i = 0; i < iAnzahlObjekte; ++i)
        if (Objekte[i]) Objekte[i]->E_Grundstellung();
}
