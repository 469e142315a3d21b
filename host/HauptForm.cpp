// The main window: construction, layout of its client area, the dialog
// stand-ins, and the hand-over of the widgets' events to the form's handlers.
#include "HauptForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolBar>

#include "Programm.h"
#include "Thread_EA.h"
#include "WinDialoge.h"
#include "WinFensterNachricht.h"
#include "WinZeit.h"

THauptformular* Hauptformular = nullptr;

THauptformular::THauptformular(QWidget* pOwner) : QMainWindow(pOwner)
{
    Hauptformular = this;
    MaskenUmgebung = this;
    setObjectName("Hauptformular");
    for (int i = 0; i < iMaxObjekte; ++i) Objekte[i] = Markierte[i] = Sensoren[i] = Bewegte[i] = nullptr;
    for (int i = 0; i < iMaxBilder; ++i) Bilder[i] = nullptr;

    ColorDialog = new TFarbDialog;
    OpenPictureDialog = new TDateiDialog;
    OpenPictureDialog->Filter = "Bitmap, JPEG|*.bmp;*.jpg;*.jpeg";
    OpenDialog = new TDateiDialog;
    SaveDialogMaske = new TDateiDialog;
    SaveDialogMaske->bSpeichern = true;

    // The form as its resource would build it.
    resize(1024, 740);
    Arbeitsflaeche = new QWidget(this);
    Arbeitsflaeche->setObjectName("Arbeitsflaeche");
    Arbeitsflaeche->setMouseTracking(true);
    setCentralWidget(Arbeitsflaeche);
    Arbeitsflaeche->installEventFilter(this);

    StatusPanel = new QWidget(Arbeitsflaeche);
    StatusPanel->setObjectName("StatusPanel");
    StatusPanel->setAutoFillBackground(true);
    StatusPanel->installEventFilter(this);
    StatusBarPaintBox = new QWidget(StatusPanel);
    StatusBarPaintBox->setObjectName("StatusBarPaintBox");
    StatusBarPaintBox->installEventFilter(this);

    MenuesAufbauen();
    WerkzeugleisteAufbauen();
    ArbeitsflaecheAnordnen();
    EditorEinrichten();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &THauptformular::Timer1Timer);

    // The values of the constructor, in their order (the status records and
    // the editor's working fields start cleared by their definitions).
    iLEDGroesse = 12;
    bMaskeGeaendert = false;
    KommuID = timeGetTime();
    MaskeFile.clear();
    cHintergrundDatei.clear();
    bErstesZeichnen = true;
    iAnzahlStatusPanels = 0;
    pEAThread = nullptr;
    dwSchliessZeitpunkt = 0;
    BausteineRestaurieren = true;
    dwLetzterEngineSchritt = 0;
    iAnzahlBilder = 0;
    bZeichnenGesperrt = false;
    pAktivesObjekt = nullptr;
    show();
    iVoreinstellStarts = 0;
    iAnzahlObjekte = 0;
    iAnzahlMarkierte = 0;
    bEditorModus = true;
    bZiehen = false;
    iWerkzeug = 0;
    WerkzeugAnzeigen();
    aBearbeiten_Gleicher_Abstand_H->setVisible(false);
    aMaske_Obj_Grafik->setVisible(false);
    SprachTexteAnwenden();
    uiVoreinstellMeldung = RegisterWindowMessageA("TRELVO_SIMULATOR_VOREINSTELL_DLG_GESCHLOSSEN");
    connect(FensterNachrichten(), &TFensterNachrichten::Empfangen, this, [this](quint32 uiNr) {
        bool bBehandelt = false;
        ApplicationEvents1Message(uiNr, bBehandelt);
    });
    Timer1->start();
}

THauptformular::~THauptformular()
{
    Timer1->stop();
    // A window taken down without its close path must still not leave the
    // pacing thread waiting on it.
    if (pEAThread) {
        EAThreadStoppen();
        EAThreadLoeschen();
    }
    delete ColorDialog;
    delete OpenPictureDialog;
    delete OpenDialog;
    delete SaveDialogMaske;
    if (Hauptformular == this) Hauptformular = nullptr;
    if (MaskenUmgebung == this) MaskenUmgebung = nullptr;
}

void THauptformular::ArbeitsflaecheAnordnen()
{
    const int iBreite = Arbeitsflaeche->width();
    const int iHoehe = Arbeitsflaeche->height();
    ToolBar1->setGeometry(0, 0, iBreite, ToolBar1->sizeHint().height());
    StatusPanel->setGeometry(0, iHoehe - 22, iBreite, 22);
    StatusBarPaintBox->setGeometry(0, 0, StatusPanel->width(), StatusPanel->height());
    ToolBar1->raise();
    StatusPanel->raise();
    HinweisAnordnen();
}

void THauptformular::aDatei_BeendenExecute() { close(); }

bool THauptformular::eventFilter(QObject* pObjekt, QEvent* pEreignis)
{
    if (pObjekt == Arbeitsflaeche) {
        if (pEreignis->type() == QEvent::Paint) {
            QPainter Canvas(Arbeitsflaeche);
            FormPaint(Canvas);
            return true;
        }
        if (pEreignis->type() == QEvent::Resize) ArbeitsflaecheAnordnen();
        if (bHintergrundMaus(pEreignis)) return true;
    } else if (pObjekt == StatusPanel && pEreignis->type() == QEvent::Resize) {
        StatusPanelResize();
    } else if (pObjekt == StatusBarPaintBox && pEreignis->type() == QEvent::Paint) {
        QRect rcBereich = static_cast<QPaintEvent*>(pEreignis)->rect();
        pStatusZeichenBereich = &rcBereich;
        StatusBarPaintBoxPaint();
        pStatusZeichenBereich = nullptr;
        return true;
    }
    return QMainWindow::eventFilter(pObjekt, pEreignis);
}

void THauptformular::closeEvent(QCloseEvent* pEreignis)
{
    bool bSchliessen = true;
    FormClose(bSchliessen);
    if (bSchliessen)
        pEreignis->accept();
    else
        pEreignis->ignore();
}
