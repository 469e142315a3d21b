#include "DlgUserEinstellungenForm.h"

#include "Allgemein.h"
#include "Hilfe.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "harlenzutils40.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The examples folder inside a projects folder.
std::string BeispielOrdner(const std::string& sProjektordner)
{
    return TextFormatieren("%s%s/", "%s%s", sProjektordner.c_str(), PoolText(1371).c_str());
}

} // namespace

TDlgUserEinstellungen::TDlgUserEinstellungen(QWidget* pBesitzer) : QDialog(pBesitzer)
{
    setObjectName("DlgUserEinstellungen");
    resize(483, 241);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    Label1 = new QLabel(GroupBox1);
    Label1->setObjectName("Label1");
    lPfad = new QLabel(GroupBox1);
    lPfad->setObjectName("lPfad");
    lPfad->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont fett = lPfad->font();
    fett.setBold(true);
    lPfad->setFont(fett);
    lPfadEinstellungNotwendig = new QLabel(GroupBox1);
    lPfadEinstellungNotwendig->setObjectName("lPfadEinstellungNotwendig");
    lPfadEinstellungNotwendig->setStyleSheet("color: red;");
    lPfadEinstellungNotwendig->setWordWrap(true);
    bPrjPfadWaehlen = new QPushButton(GroupBox1);
    bPrjPfadWaehlen->setObjectName("bPrjPfadWaehlen");
    cbLetzteMaskeLaden = new QCheckBox(this);
    cbLetzteMaskeLaden->setObjectName("cbLetzteMaskeLaden");
    cbBeispieleKopieren = new QCheckBox(this);
    cbBeispieleKopieren->setObjectName("cbBeispieleKopieren");
    lStatusAnzeige = new QLabel(this);
    lStatusAnzeige->setObjectName("lStatusAnzeige");
    bOk = new QPushButton(this);
    bOk->setObjectName("bOk");
    bOk->setDefault(true);
    bAbbruch = new QPushButton(this);
    bAbbruch->setObjectName("bAbbruch");
    bHilfe = new QPushButton(this);
    bHilfe->setObjectName("bHilfe");

    auto* pGruppe = new QGridLayout(GroupBox1);
    pGruppe->addWidget(Label1, 0, 0, 1, 2);
    pGruppe->addWidget(lPfad, 1, 0);
    pGruppe->addWidget(bPrjPfadWaehlen, 1, 1);
    pGruppe->addWidget(lPfadEinstellungNotwendig, 2, 0, 1, 2);
    pGruppe->setColumnStretch(0, 1);
    auto* pKnoepfe = new QHBoxLayout;
    pKnoepfe->addWidget(lStatusAnzeige, 1);
    pKnoepfe->addWidget(bOk);
    pKnoepfe->addWidget(bAbbruch);
    pKnoepfe->addWidget(bHilfe);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(GroupBox1);
    pLayout->addWidget(cbLetzteMaskeLaden);
    pLayout->addWidget(cbBeispieleKopieren);
    pLayout->addStretch();
    pLayout->addLayout(pKnoepfe);

    setWindowTitle(Q(PoolText(1239)));
    Label1->setText(Q(PoolText(1240)));
    lPfadEinstellungNotwendig->setText(Q(PoolText(1241)));
    bPrjPfadWaehlen->setText(Q(PoolText(1242)));
    cbLetzteMaskeLaden->setText(Q(PoolText(1243)));
    cbBeispieleKopieren->setText(Q(PoolText(1244)));
    bOk->setText(Q(PoolText(1014)));
    bAbbruch->setText(Q(PoolText(1015)));
    bHilfe->setText(Q(PoolText(1016)));
    lPfad->setText("...");
    lStatusAnzeige->clear();

    cbLetzteMaskeLaden->setChecked(LetzteMaskeLaden);
    lPfadEinstellungNotwendig->setVisible(false);
    // Examples copied before: the copy is not offered again by default.
    std::error_code ec;
    cbBeispieleKopieren->setChecked(UserDir.empty() || !fs::is_directory(BeispielOrdner(UserDir), ec));

    std::string sVorschlag;
    if (!UserDir.empty()) {
        lPfad->setText(Q(UserDir));
    } else if (bProjektordnerVorschlagen(sVorschlag)) {
        lPfad->setText(Q(sVorschlag));
    } else {
        lPfad->setText("?????");
        lPfadEinstellungNotwendig->setVisible(true);
    }

    connect(bOk, &QPushButton::clicked, this, &TDlgUserEinstellungen::bOkClick);
    connect(bAbbruch, &QPushButton::clicked, this, [this] { done(2); });
    connect(bHilfe, &QPushButton::clicked, this, &TDlgUserEinstellungen::bHilfeClick);
    connect(bPrjPfadWaehlen, &QPushButton::clicked, this, &TDlgUserEinstellungen::bPrjPfadWaehlenClick);
}

bool TDlgUserEinstellungen::bOrdnerAnnehmbar(const std::string& sOrdner)
{
    if (sOrdner.empty() || sOrdner[0] == '?') return false;
    std::error_code ec;
    if (fs::is_directory(sOrdner, ec)) return !U_IstVerzeichnisSchreibgeschuetzt(sOrdner.c_str());
    // One level only: a projects folder below a missing folder is refused.
    std::string sOhneStrich = sOrdner;
    while (sOhneStrich.size() > 1 && sOhneStrich.back() == '/') sOhneStrich.pop_back();
    return fs::create_directory(sOhneStrich, ec) && !ec;
}

void TDlgUserEinstellungen::bOkClick()
{
    UserDir = lPfad->text().toStdString();
    if (!UserDir.empty() && UserDir.back() != '/') UserDir += '/';
    if (!bOrdnerAnnehmbar(UserDir)) {
        UserDir.clear();
        FehlerMeldung(PoolText(1245));
        setResult(0);
        return;
    }
    if (cbBeispieleKopieren->isChecked() && iJaNeinAbbruchFrage(PoolText(1246)) == 6) {
        const std::string sQuelle = TextFormatieren("%sProjects/", "%s", cExeVerzeichnis.c_str());
        lStatusAnzeige->setText(Q(PoolText(1247)));
        lStatusAnzeige->repaint();
        SanduhrEin();
        bOrdnerKopierenShell(this, 0, sQuelle, BeispielOrdner(UserDir));
        SanduhrAus();
        lStatusAnzeige->clear();
    }
    LetzteMaskeLaden = cbLetzteMaskeLaden->isChecked();
    done(1);
}

std::string TDlgUserEinstellungen::ProjektordnerAusWahl(const std::string& sGewaehlt)
{
    std::string s = sGewaehlt;
    if (!s.empty() && s.back() == '/') s.pop_back();
    if (!s.empty() && s.back() == '/') s.pop_back();
    const std::size_t nStrich = s.find_last_of('/');
    const std::string sLetzter = nStrich == std::string::npos ? s : s.substr(nStrich + 1);
    if (U_StringVergleichrossKlein(sLetzter.c_str(), cProjektordnerName)) return s + "/";
    return s + "/" + cProjektordnerName + "/";
}

void TDlgUserEinstellungen::bPrjPfadWaehlenClick()
{
    std::string sGewaehlt = lPfad->text().toStdString();
    if (!bOrdnerWaehlen(this, sGewaehlt)) return;
    std::string sOrdner = sGewaehlt;
    if (!sOrdner.empty() && sOrdner.back() == '/') sOrdner.pop_back();
    if (!sOrdner.empty() && sOrdner.back() == '/') sOrdner.pop_back();
    // The root folder has lost its only '/' above.
    const std::string sPruefen = sOrdner.empty() ? std::string("/") : sOrdner;
    if (U_IstVerzeichnisSchreibgeschuetzt(sPruefen.c_str())) {
        FehlerMeldung(PoolTextFormat(1248, "%s", sPruefen.c_str()));
        return;
    }
    lPfad->setText(Q(ProjektordnerAusWahl(sGewaehlt)));
}

void TDlgUserEinstellungen::bHilfeClick()
{
    HilfeAnzeigen("DlgUserEinstellungen.htm");
}

void TDlgUserEinstellungen::reject()
{
    done(2);
}
