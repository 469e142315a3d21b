// The components of the presets dialog at the places its form gives them.
#include "DlgSim.h"

#include "Netzplan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

#include <array>

namespace {

template <typename T> T* Neu(QWidget* pEltern, const char* pcName)
{
    T* p = new T(pEltern);
    p->setObjectName(QString::fromLatin1(pcName));
    return p;
}

template <typename T>
T* Anlegen(QWidget* pEltern, const char* pcName, int x, int y, int w, int h)
{
    T* p = Neu<T>(pEltern, pcName);
    p->setGeometry(x, y, w, h);
    return p;
}

QLabel* Beschriftung(QWidget* pEltern, const char* pcName, int x, int y, int w = 221, int h = 13)
{
    return Anlegen<QLabel>(pEltern, pcName, x, y, w, h);
}

// A caption in the first column and its field beside it, spanning
// iSpalten columns; the caption takes the width its text needs.
template <typename T>
T* Zeile(QGridLayout* g, int iZeile, const char* pcLabel, QLabel*& pLabel, const char* pcFeld, int iSpalten = 1)
{
    QWidget* pEltern = g->parentWidget();
    pLabel = Neu<QLabel>(pEltern, pcLabel);
    T* pFeld = Neu<T>(pEltern, pcFeld);
    g->addWidget(pLabel, iZeile, 0);
    g->addWidget(pFeld, iZeile, 1, 1, iSpalten, Qt::AlignLeft);
    return pFeld;
}

QComboBox* AdressZeile(QGridLayout* g, int iZeile, const char* pcLabel, QLabel*& pLabel, const char* pcListe)
{
    auto* p = Zeile<QComboBox>(g, iZeile, pcLabel, pLabel, pcListe, 3);
    p->setFixedWidth(299);
    return p;
}

QLineEdit* ZiffernZeile(QGridLayout* g, int iZeile, const char* pcLabel, QLabel*& pLabel, const char* pcFeld)
{
    auto* p = Zeile<QLineEdit>(g, iZeile, pcLabel, pLabel, pcFeld);
    p->setFixedWidth(98);
    p->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), p));
    return p;
}

// One port row: caption, digits-only field, the standard port beside it
// and the button that tests the port.
void PortZeile(QGridLayout* g, int iZeile, const std::array<const char*, 4>& apcNamen, int iStandard,
               QLabel*& pLabel, QLineEdit*& pFeld, QLabel*& pStandard, QPushButton*& pTesten)
{
    pFeld = ZiffernZeile(g, iZeile, apcNamen[0], pLabel, apcNamen[1]);
    pStandard = Neu<QLabel>(g->parentWidget(), apcNamen[2]);
    pStandard->setText(QString("(Std: %1)").arg(iStandard));
    pTesten = Neu<QPushButton>(g->parentWidget(), apcNamen[3]);
    g->addWidget(pStandard, iZeile, 2);
    g->addWidget(pTesten, iZeile, 3);
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
    SimVoreinstPageControl->addTab(tsTCPIP, Sprachtext("TCP/IP Einstellungen", "TCP/IP settings"));
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
    // The expert group is laid out by a grid, so that a caption wider
    // than the form's 222 pixels widens its column instead of being cut.
    auto* g = new QGridLayout(t);
    g->setContentsMargins(3, 6, 9, 6);
    g->setColumnMinimumWidth(0, 216);
    // The test buttons take what the captions leave.
    g->setColumnStretch(3, 1);
    ForceTCPRestartCheckBox = Neu<QCheckBox>(t, "ForceTCPRestartCheckBox");
    g->addWidget(ForceTCPRestartCheckBox, 0, 0, 1, 5);
    g->setRowMinimumHeight(1, 6);
    IpAdrComboBox = AdressZeile(g, 2, "IPAdrLabel", IPAdrLabel, "IpAdrComboBox");
    PortZeile(g, 3, {"S7PortLabel", "S7PortEdit", "StdS7PortLabel", "S7PortTestenButton"}, 102, S7PortLabel,
              S7PortEdit, StdS7PortLabel, S7PortTestenButton);
    PortZeile(g, 4, {"InternPortLabel", "InternPortEdit", "StdLabelInternPort", "InternPortTestenButton"}, 7777,
              InternPortLabel, InternPortEdit, StdLabelInternPort, InternPortTestenButton);
    g->setRowMinimumHeight(5, 6);
    IpAdr_2_ComboBox = AdressZeile(g, 6, "IPAdr_2_Label", IPAdr_2_Label, "IpAdr_2_ComboBox");
    PortZeile(g, 7, {"S7Port_3_Label", "S7Port_3_Edit", "Label3", "S7Port_3_TestenButton"}, 102, S7Port_3_Label,
              S7Port_3_Edit, Label3, S7Port_3_TestenButton);
    PortZeile(g, 8, {"S7Port_4_Label", "S7Port_4_Edit", "Label4", "S7Port_4_TestenButton"}, 7777, S7Port_4_Label,
              S7Port_4_Edit, Label4, S7Port_4_TestenButton);
    PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox =
        Neu<QCheckBox>(t, "PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox");
    g->addWidget(PGZugriffAufEingaengeAufPeripherieUmleitenCheckBox, 9, 0, 1, 5);
    WaitAfterStopEdit = ZiffernZeile(g, 10, "WaitAfterStopLabel1", WaitAfterStopLabel1, "WaitAfterStopEdit");
    WaitRestartEdit = ZiffernZeile(g, 11, "WaitRestartLabel", WaitRestartLabel, "WaitRestartEdit");
    D7EDKommuIDLabel = Neu<QLabel>(t, "D7EDKommuIDLabel");
    D7EDKommuIDLabel->setStyleSheet("color: grey");
    g->addWidget(D7EDKommuIDLabel, 11, 3, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    g->setRowStretch(12, 1);

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
