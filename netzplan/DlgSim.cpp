// The presets dialog's construction, start-up work and end.
#include "DlgSim.h"

#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "NetzDienste.h"
#include "WinFensterNachricht.h"
#include "WinMeldung.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <cstring>

TDialogSimVoreinstellung* DialogSimVoreinstellung = nullptr;

int32_t AdapterInstanzDesDialogs()
{
    return DialogSimVoreinstellung ? DialogSimVoreinstellung->iMPIHandles[0] : -1;
}

TDialogSimVoreinstellung::TDialogSimVoreinstellung(QWidget* pOwner) : QDialog(pOwner)
{
    setObjectName("DialogSimVoreinstellung");
    KomponentenAnlegen();
    setWindowTitle(cProgrammTitel);
    bLaden = false;
    DialogSimVoreinstellung = this;

    iWindowsVersion = WindowsVersionClass();
    if (iWindowsVersion < 0 || iWindowsVersion > 12) {
        ShowMessageBox(Sprachtext("Fehler beim Ermitteln der Windows-Version!",
                                  "Error while determining the windows version!"),
                       cProgrammTitel, MB_OK | MB_ICONERROR);
        iWindowsVersion = 11;
    }

    HostAdressen.clear();
    iIndexAlleAdressen = -1;
    iIndexLocalHost = -1;
    AdapterDaten.assign(100, MPI_DLL_NETZWERK_ADAPTER_STRUCT{});

    for (int32_t& iHandle : iMPIHandles)
        iHandle = -1;
    iAnzahlMPIHandles = 0;
    int32_t iHandle = -1;
    if (MPI_V2_NeueInstanzAnlegen(&iHandle, 100))
        iMPIHandles[0] = iHandle;
    else
        ShowError("Error create MPI-Class-Handle!");
    iAnzahlMPIHandles = 1;

    uiSchliessNachricht = RegisterWindowMessageA(cSchliessNachrichtName);

    std::memset(&AktuellerAdapter, 0, sizeof AktuellerAdapter);
    char acName[MPI_V2_NAME_LAENGE] = {}, acBeschreibung[MPI_V2_BESCHREIBUNG_LAENGE] = {},
         acIP[MPI_V2_NAME_LAENGE] = {};
    if (MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(iMPIHandles[0], acName, acBeschreibung, acIP)) {
        TextKopieren(AktuellerAdapter.Name, sizeof AktuellerAdapter.Name, acName);
        TextKopieren(AktuellerAdapter.IPAdresse, sizeof AktuellerAdapter.IPAdresse, acIP);
    }
    if (*AktuellerAdapter.Name && std::strcmp(AktuellerAdapter.Name, MPI_V2_LOCAL_HOST_NAME) != 0)
        MPI_V2_SetIPAdresseNetzwerkkartePC(iMPIHandles[0], AktuellerAdapter.IPAdresse);
    else
        MPI_V2_ResetIPAdresseNetzwerkkartePC(iMPIHandles[0]);

    bDienstGestoppt = false;
}

TDialogSimVoreinstellung::~TDialogSimVoreinstellung()
{
    FormDestroy();
    if (DialogSimVoreinstellung == this)
        DialogSimVoreinstellung = nullptr;
}

void TDialogSimVoreinstellung::FormCreate()
{
    if (bFalscherAufruf)
        return;
    // Centre on the caller when its window can hold the dialog, else on
    // the screen; the halvings truncate toward zero like integer division.
    const int w = FORM_BREITE, h = FORM_HOEHE;
    if (iAufruferWidth >= w && iAufruferHeight >= h) {
        move(iAufruferLeft + iAufruferWidth / 2 - w / 2, iAufruferTop + iAufruferHeight / 2 - h / 2);
    } else {
        const QScreen* pBildschirm = QGuiApplication::primaryScreen();
        const QSize groesse = pBildschirm ? pBildschirm->size() : QSize(0, 0);
        move(groesse.width() / 2 - w / 2, groesse.height() / 2 - h / 2);
    }

    Port102BeimStart();

    D7EDKommuIDLabel->setText(QString::number(KommuID));
    D7EDKommuIDLabel->setEnabled(false);

    FillAdapterList();
    bLaden = true;
    LoadCaptionsAndValues();
    bLaden = false;
    // The dialog shows what is stored: the adapter goes to the adapter
    // instance, but the proposal for it waits until the user asks for one,
    // else OK would store it over the user's ports.
    if (TCP_Ip_AktivierenCheckBox->isChecked())
        bAdapterUebergeben();
    RefreshExample();
}

void TDialogSimVoreinstellung::Port102BeimStart()
{
    SetStatusText("");
    const uint32_t dwHalter = Port102OwnerPid();
    SetStatusText(dwHalter == 0 ? Sprachtext("Port 102 ist frei!", "Port 102 is free!")
                                : Sprachtext("Port 102 ist von einem anderen Prozess belegt!",
                                             "Port 102 is occupied from another process!"));
    if (bHelferdienstFuerPort102Stoppen(bPort102VomDienstGehalten(dwHalter)))
        bDienstGestoppt = true;
}

void TDialogSimVoreinstellung::FormPaint()
{
    if (bFalscherAufruf)
        QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

void TDialogSimVoreinstellung::paintEvent(QPaintEvent* pEreignis)
{
    QDialog::paintEvent(pEreignis);
    FormPaint();
}

void TDialogSimVoreinstellung::closeEvent(QCloseEvent* pEreignis)
{
    pEreignis->accept();
    emit Beendet();
}

void TDialogSimVoreinstellung::FormDestroy()
{
    if (m_bDestroyGelaufen)
        return;
    m_bDestroyGelaufen = true;
    for (int i = 0; i < iAnzahlMPIHandles; ++i)
        MPI_V2_InstanzLoeschen(iMPIHandles[0]);
    HostAdressen.clear();
    AdapterDaten.clear();
    // Veltrano re-attaches when the notice arrives: its sockets would find
    // the ports still taken while this program holds them.
    CloseListenSockets();
    PostMessageAnAlleFenster(uiSchliessNachricht);
}
