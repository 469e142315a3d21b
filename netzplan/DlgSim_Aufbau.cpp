// The components of the presets dialog at the places its form gives them.
#include "DlgSim.h"

#include "Netzplan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

namespace {

template <typename T>
T* Anlegen(QWidget* pEltern, const char* pcName, int x, int y, int w, int h)
{
    T* p = new T(pEltern);
    p->setObjectName(QString::fromLatin1(pcName));
    p->setGeometry(x, y, w, h);
    return p;
}

QLabel* Beschriftung(QWidget* pEltern, const char* pcName, int x, int y, int w = 221, int h = 13)
{
    return Anlegen<QLabel>(pEltern, pcName, x, y, w, h);
}

QLineEdit* ZiffernFeld(QWidget* pEltern, const char* pcName, int x, int y)
{
    auto* p = Anlegen<QLineEdit>(pEltern, pcName, x, y, 98, 21);
    p->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), p));
    return p;
}

} // namespace

void TDialogSimVoreinstellung::KomponentenAnlegen()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(FORM_BREITE, FORM_HOEHE);
    QFont schrift = font();
    schrift.setPixelSize(11);
    // The layout was made for a narrow font; a wider one would cut the labels.
    schrift.setStretch(QFont::SemiCondensed);
    setFont(schrift);

    SimVoreinstPageControl = Anlegen<QTabWidget>(this, "SimVoreinstPageControl", 0, 0, 633, 602);
    tsTCPIP = new QWidget;
    tsTCPIP->setObjectName("tsTCPIP");
    SimVoreinstPageControl->addTab(tsTCPIP, "TCP/IP Einstellungen");
    PanelTCPIP = Anlegen<QFrame>(tsTCPIP, "PanelTCPIP", 0, 0, 625, 574);
    PanelTCPIP->setFrameShape(QFrame::NoFrame);
    QWidget* p = PanelTCPIP;

    TCP_Ip_AktivierenCheckBox = Anlegen<QCheckBox>(p, "TCP_Ip_AktivierenCheckBox", 3, 18, 230, 17);
    SetOptimalIPButton = Anlegen<QPushButton>(p, "SetOptimalIPButton", 3, 41, 220, 25);

    BspZugriffD7EDGroupBox = Anlegen<QGroupBox>(p, "BspZugriffD7EDGroupBox", 243, 12, 365, 103);
    QWidget* b = BspZugriffD7EDGroupBox;
    BspIPBeschrLabel = Beschriftung(b, "BspIPBeschrLabel", 10, 18, 183);
    BspIPNetAdapterBeschrLabel = Beschriftung(b, "BspIPNetAdapterBeschrLabel", 10, 34, 183);
    BspPortBeschrLabel = Beschriftung(b, "BspPortBeschrLabel", 10, 50, 183);
    BspIPLabel = Beschriftung(b, "BspIPLabel", 192, 19, 153);
    BspIPNetAdapterLabel = Beschriftung(b, "BspIPNetAdapterLabel", 193, 32, 153);
    BspPortLabel = Beschriftung(b, "BspPortLabel", 192, 51, 153);
    RefreshIPBspButton = Anlegen<QPushButton>(b, "RefreshIPBspButton", 49, 69, 270, 25);

    NetzwerkKarteGroupBox = Anlegen<QGroupBox>(p, "NetzwerkKarteGroupBox", 1, 130, 607, 57);
    NetAdapterComboBox = Anlegen<QComboBox>(NetzwerkKarteGroupBox, "NetAdapterComboBox", 8, 20, 484, 21);
    IPAdrNetzAdapterEdit = Anlegen<QLineEdit>(NetzwerkKarteGroupBox, "IPAdrNetzAdapterEdit", 498, 20, 92, 21);
    IPAdrNetzAdapterEdit->setReadOnly(true);
    IPAdrNetzAdapterEdit->setEnabled(false);

    TcpExpertCheckBox = Anlegen<QCheckBox>(p, "TcpExpertCheckBox", 4, 205, 220, 17);
    TCPGroupBox = Anlegen<QGroupBox>(p, "TCPGroupBox", 3, 228, 605, 309);
    QWidget* t = TCPGroupBox;
    ForceTCPRestartCheckBox = Anlegen<QCheckBox>(t, "ForceTCPRestartCheckBox", 3, 17, 300, 17);
    IPAdrLabel = Beschriftung(t, "IPAdrLabel", 3, 51);
    IpAdrComboBox = Anlegen<QComboBox>(t, "IpAdrComboBox", 225, 48, 299, 21);
    S7PortLabel = Beschriftung(t, "S7PortLabel", 3, 78);
    S7PortEdit = ZiffernFeld(t, "S7PortEdit", 225, 75);
    StdS7PortLabel = Beschriftung(t, "StdS7PortLabel", 333, 79, 62);
    S7PortTestenButton = Anlegen<QPushButton>(t, "S7PortTestenButton", 396, 74, 200, 25);
    InternPortLabel = Beschriftung(t, "InternPortLabel", 3, 105);
    InternPortEdit = ZiffernFeld(t, "InternPortEdit", 225, 102);
    StdLabelInternPort = Beschriftung(t, "StdLabelInternPort", 333, 106, 62);
    InternPortTestenButton = Anlegen<QPushButton>(t, "InternPortTestenButton", 396, 99, 200, 25);
    IPAdr_2_Label = Beschriftung(t, "IPAdr_2_Label", 2, 140);
    IpAdr_2_ComboBox = Anlegen<QComboBox>(t, "IpAdr_2_ComboBox", 225, 137, 299, 21);
    S7Port_3_Label = Beschriftung(t, "S7Port_3_Label", 2, 167);
    S7Port_3_Edit = ZiffernFeld(t, "S7Port_3_Edit", 225, 164);
    Label3 = Beschriftung(t, "Label3", 332, 168, 63);
    S7Port_3_TestenButton = Anlegen<QPushButton>(t, "S7Port_3_TestenButton", 396, 163, 200, 25);
    S7Port_4_Label = Beschriftung(t, "S7Port_4_Label", 2, 194);
    S7Port_4_Edit = ZiffernFeld(t, "S7Port_4_Edit", 225, 191);
    Label4 = Beschriftung(t, "Label4", 332, 195, 63);
    S7Port_4_TestenButton = Anlegen<QPushButton>(t, "S7Port_4_TestenButton", 396, 188, 200, 25);
    StdS7PortLabel->setText("(Std: 102)");
    Label3->setText("(Std: 102)");
    StdLabelInternPort->setText("(Std: 7777)");
    Label4->setText("(Std: 7777)");
    PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox = Anlegen<QCheckBox>(
        t, "PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox", 3, 223, 400, 17);
    WaitAfterStopLabel1 = Beschriftung(t, "WaitAfterStopLabel1", 3, 254);
    WaitAfterStopEdit = ZiffernFeld(t, "WaitAfterStopEdit", 225, 251);
    WaitRestartLabel = Beschriftung(t, "WaitRestartLabel", 3, 284);
    WaitRestartEdit = ZiffernFeld(t, "WaitRestartEdit", 225, 281);
    D7EDKommuIDLabel = Beschriftung(t, "D7EDKommuIDLabel", 495, 290, 93, 15);
    D7EDKommuIDLabel->setStyleSheet("color: grey");

    SchreibSchutzLabel = Beschriftung(p, "SchreibSchutzLabel", 4, 546, 610, 13);
    SchreibSchutzLabel->setStyleSheet("color: red");
    StatusTextLabel = Beschriftung(this, "StatusTextLabel", 0, 602, 633, 15);
    StatusTextLabel->setStyleSheet("color: palette(highlight)");

    ButtonOK = Anlegen<QPushButton>(this, "ButtonOK", 369, 634, 75, 25);
    ButtonOK->setText("OK");
    ButtonAbbruch = Anlegen<QPushButton>(this, "ButtonAbbruch", 460, 634, 75, 25);
    HilfeButton = Anlegen<QPushButton>(this, "HilfeButton", 550, 634, 75, 25);
    // Enter must not close the window through a default button.
    for (QPushButton* pKnopf : findChildren<QPushButton*>())
        pKnopf->setAutoDefault(false);

    using T = TDialogSimVoreinstellung;
    connect(TCP_Ip_AktivierenCheckBox, &QCheckBox::clicked, this, &T::TCP_Ip_AktivierenCheckBoxClick);
    connect(SetOptimalIPButton, &QPushButton::clicked, this, &T::SetOptimalIPButtonClick);
    connect(RefreshIPBspButton, &QPushButton::clicked, this, &T::RefreshIPBspButtonClick);
    connect(TcpExpertCheckBox, &QCheckBox::clicked, this, &T::TcpExpertCheckBoxClick);
    // Only the user's choice counts as a change, not filling the list.
    connect(NetAdapterComboBox, &QComboBox::activated, this, &T::NetAdapterComboBoxChange);
    connect(HilfeButton, &QPushButton::clicked, this, &T::HilfeButtonClick);
    connect(ButtonOK, &QPushButton::clicked, this, &T::ButtonOKClick);
    connect(ButtonAbbruch, &QPushButton::clicked, this, &T::ButtonAbbruchClick);
    connect(S7PortTestenButton, &QPushButton::clicked, this, &T::S7PortTestenButtonClick);
    connect(InternPortTestenButton, &QPushButton::clicked, this, &T::InternPortTestenButtonClick);
    connect(S7Port_3_TestenButton, &QPushButton::clicked, this, &T::S7Port_3_TestenButtonClick);
    connect(S7Port_4_TestenButton, &QPushButton::clicked, this, &T::S7Port_4_TestenButtonClick);
}
