// The main window's life: creation, first paint, the 200 ms timer and the
// close.
#include "HauptForm.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMetaObject>
#include <QPainter>
#include <QTimer>
#include <QToolBar>

#include "Allgemein.h"
#include "Bewegungsprofil.h"
#include "Einstellungen.h"
#include "Meldungen.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "IPDaten.h"
#include "ListenSockets.h"
#include "PoolText.h"
#include "Programm.h"
#include "Thread_EA.h"
#include "WinMeldung.h"
#include "WinZeit.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"

namespace {

// A stamp of the clock that is never 0, since 0 means "none" for the
// stamps of the delayed start and the delayed close.
uint32_t Zeitstempel()
{
    const uint32_t dw = timeGetTime();
    return dw ? dw : 1;
}

// "More than dwSpanne milliseconds after dwStempel", safe across the wrap
// of the 32-bit clock.
bool bVorbei(uint32_t dwStempel, uint32_t dwSpanne) { return timeGetTime() - dwStempel > dwSpanne; }

} // namespace

void THauptformular::FormCreate()
{
    TitelAktualisieren();
    bS7EpatsVorhanden = bS7EpatsErmitteln();
    RegistryEinstellungenLesen();
    SprachStandAbgleichen();
    D7ED_AGInternEinstellen_C312();
    bInternerSPSTyp = true;

    iPanelGeaendert = StatusPanelHinzufuegen(0, 20, "-*-");
    iPanelZykluszeit = StatusPanelHinzufuegen(0, 20, "3000ms");
    iPanelModus = StatusPanelHinzufuegen(0, 20, "-EDITOR (1000)-");
    iPanelWerkzeug = StatusPanelHinzufuegen(0, 20, "---- Object ----");
    iPanelMeldung = StatusPanelHinzufuegen(0, 20, "xxxxxx");

    ModusAnzeigen();
    WerkzeugAnzeigen();
    StandardHintergrundLaden();
    for (Bewegungsprofil& b : Bewegungsprofile) b = Bewegungsprofil{};
    bFormCreateGelaufen = true;
    update();   // the first paint that starts the start-up work
}

void THauptformular::HintergrundZeichnen(QPainter& Canvas)
{
    if (!Image300CPU || Image300CPU->isNull()) return;
    const int iOben = ToolBar1 && !ToolBar1->isHidden() ? ToolBar1->height() : 0;
    Canvas.drawImage(0, iOben, *Image300CPU);
}

void THauptformular::FormPaint(QPainter& Canvas)
{
    if (bZeichnenGesperrt || !isVisible()) return;
    if (bErstesZeichnen && bFormCreateGelaufen) {
        bErstesZeichnen = false;
        // The start-up work of the first paint waits, shows boxes and runs
        // the event loop; it runs right after this paint, not inside it.
        QMetaObject::invokeMethod(this, &THauptformular::ErstesZeichnenArbeit, Qt::QueuedConnection);
    }
    // The default picture (from the system folder) is not shown under a
    // loaded panel.
    if (!cHintergrundDatei.empty() &&
        (MaskeFile.empty() || cHintergrundDatei.find("/__system/") == std::string::npos))
        HintergrundZeichnen(Canvas);
    ObjekteNeuZeichnen();
}

void THauptformular::ErstesZeichnenArbeit()
{
    // A window closed before this queued work came round starts nothing.
    if (!isVisible()) return;
    if (D7ED_IsTIAPortalStarted()) {
        MessageBoxA(QApplication::focusWidget(),
                    "TIA PORTAL ist gestartet.\n\nStarten Sie Veltrano vor dem TIA-PORTAL.\n\n"
                    "Veltrano wird beendet.",
                    "TIA PORTAL", MB_OK);
        close();
        return;
    }
    QCoreApplication::processEvents();
    pEAThread = new EAThread;
    Sleep(1000);

    if (UserDir.empty() || !U_VerzeichnisVorhanden(UserDir.c_str())) {
        const bool bWarGesetzt = !UserDir.empty();
        bool bVorschlag = false;
        if (!bWarGesetzt) bVorschlag = bProjektordnerVorschlagen(UserDir);
        InfoMeldung(PoolText(bWarGesetzt || bVorschlag ? 1307 : 1308));
        LetzteMaskeLaden = true;
        aExtras_BenutzerEinstellungenExecute();
    }

    dwStartZeitpunkt = Zeitstempel();
    bPort102Uebernehmen();
    MessbereicheEinlesen();
}

void THauptformular::Timer1Timer()
{
    if (bEditorModus) MarkierungBlinken();
    iBlinkPhase = iBlinkPhase ? 0 : 1;
    // In RUN the cycle's paints release the push buttons; in EDITOR nothing
    // else would.
    if (bEditorModus)
        for (int i = 0; i < iAnzahlObjekte; ++i)
            if (Objekte[i]) Objekte[i]->HotKeysPruefen();

    if (bLetzterTickEditor && !bEditorModus) aMaske_GrunstellungExecute();
    bLetzterTickEditor = bEditorModus;

    if (iAnzahlObjekte != iGezeigteObjektAnzahl) {
        StatusTextSetzen(iPanelModus, TextFormatieren("EDITOR (%d)", "%d", iAnzahlObjekte).c_str());
        iGezeigteObjektAnzahl = iAnzahlObjekte;
    }

    if (aMaske_RUN_EDITOR->isChecked() != !bEditorModus) aMaske_RUN_EDITOR->setChecked(!bEditorModus);

    if (dwStartZeitpunkt != 0 && bVorbei(dwStartZeitpunkt, 1000)) {
        dwStartZeitpunkt = 0;
        bool bMaskeGenannt = false;
        KommandozeileAuswerten(bMaskeGenannt);
        if (!bMaskeGenannt && LetzteMaskeLaden && !sGemerkteMaskeFile.empty() &&
            U_DateiVorhanden(sGemerkteMaskeFile.c_str()) && BausteineVorMaskenwechselSichern())
            bMaskeLesen(sGemerkteMaskeFile);
    }

    if (dwSchliessZeitpunkt != 0 && bVorbei(dwSchliessZeitpunkt, 200)) {
        dwSchliessZeitpunkt = 0;
        close();
    }
}

void THauptformular::FormClose(bool& bSchliessen)
{
    if (!bEditorModus) {
        // First back to EDITOR (which writes the block dump); the timer
        // closes again a little later. When an object refuses to leave RUN,
        // or the dump's question is cancelled, the close is simply refused:
        // arming the timer then would only repeat the refusal every 200 ms.
        aMaske_RUN_EDITORExecute();
        if (bEditorModus) dwSchliessZeitpunkt = Zeitstempel();
        bSchliessen = false;
        return;
    }
    bool bAbbruch = false;
    if (!bAenderungenSpeichernAbfrage(bAbbruch) || bAbbruch) {
        bSchliessen = false;
        return;
    }
    bSchliessen = true;
    Timer1->stop();
    KommuBeenden(true);
    EAThreadStoppen();
    EAThreadLoeschen();
    RegistryEinstellungenSchreiben();
    MaskeLoeschen();
}
