#include "DlgBewegungForm.h"

#include "Bewegungsprofil.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ZahlEingabe.h"
#include "kolv_spr2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string Text(const QLineEdit* pEdit)
{
    return pEdit->text().toStdString();
}

// The digits from position n on (at least one) and n behind them. Large
// values stay recognisably large instead of wrapping.
bool bZiffernLesen(const std::string& s, std::size_t& n, long& lWert)
{
    if (n >= s.size() || !std::isdigit(static_cast<unsigned char>(s[n])))
        return false;
    lWert = 0;
    for (; n < s.size() && std::isdigit(static_cast<unsigned char>(s[n])); ++n)
        if (lWert < 1000000)
            lWert = lWert * 10 + (s[n] - '0');
    return true;
}

// The direction picture: a block with an arrow to each side.
QPixmap RichtungsBild()
{
    QPixmap Bild(80, 80);
    Bild.fill(Qt::transparent);
    QPainter p(&Bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(230, 190, 90));
    p.drawRect(30, 30, 20, 20);
    p.setBrush(QColor(60, 110, 190));
    const QPoint Mitte(40, 40);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(Mitte);
        p.rotate(90.0 * i);
        p.drawLine(0, -12, 0, -26);
        p.drawPolygon(QPolygon({QPoint(0, -37), QPoint(-7, -26), QPoint(7, -26)}));
        p.restore();
    }
    return Bild;
}

void LabelAnlegen(QLabel*& pLabel, QWidget* pEltern, const char* pcName, int x, int y)
{
    pLabel = new QLabel(pEltern);
    pLabel->setObjectName(pcName);
    pLabel->move(x, y);
}

void KnopfAnlegen(QPushButton*& pKnopf, QWidget* pEltern, const char* pcName, QRect r)
{
    pKnopf = new QPushButton(pEltern);
    pKnopf->setObjectName(pcName);
    pKnopf->setGeometry(r);
    pKnopf->setAutoDefault(false);
}

void EditAnlegen(QLineEdit*& pEdit, QWidget* pEltern, const char* pcName, int x, int y, int w)
{
    pEdit = new QLineEdit(pEltern);
    pEdit->setObjectName(pcName);
    pEdit->setGeometry(x, y, w, 22);
}

} // namespace

bool bBewegungsOperandLesen(const std::string& sText, BewegungsOperand& Operand)
{
    const std::string s = ZahlFeldOhneRand(sText);
    if (s.empty()) {
        // The bit stays: an unused direction never reads it.
        Operand.Op = 0;
        Operand.Adr = 0;
        return true;
    }
    std::size_t n = 1;
    long lAdr = 0, lBit = 0;
    if (!std::strchr("AEIMQ", s[0]) || !bZiffernLesen(s, n, lAdr) || lAdr > lMaxBewegungsAdresse ||
        n >= s.size() || s[n] != '.' || !bZiffernLesen(s, ++n, lBit) || lBit > 7 || n != s.size())
        return false;
    Operand.Op = s[0];
    Operand.Adr = static_cast<int8_t>(lAdr);
    Operand.Bit = static_cast<uint8_t>(lBit);
    return true;
}

bool bBewegungsOperandGueltig(const std::string& sText)
{
    BewegungsOperand o;
    return !ZahlFeldOhneRand(sText).empty() && bBewegungsOperandLesen(sText, o);
}

TDlgBewegung::TDlgBewegung(QWidget* pBesitzer, TBewegungsUmgebung& Umgebung)
    : QDialog(pBesitzer), m_Umgebung(Umgebung)
{
    setObjectName("DlgBewegung");
    setFixedSize(425, 521);
    std::copy(std::begin(Bewegungsprofile), std::end(Bewegungsprofile), m_ProfileVorher);
    for (int32_t i = 0; i < m_Umgebung.iAnzahlObjekte(); ++i)
        if (TMyObj* p = m_Umgebung.pObjekt(i))
            m_ObjekteVorher.push_back({p, {p->MoveNr, p->MoveAktiv}});
    ProfillisteAnlegen();
    RichtungenAnlegen();
    VorschubAnlegen();
    KnoepfeAnlegen();
    TexteSetzen();
    WerteZeigen();
    Verbinden();
    Timer1->start();
}

// The profile list with the assign, remove and show buttons and their hints.
void TDlgBewegung::ProfillisteAnlegen()
{
    LabelAnlegen(lInfoSelObj, this, "lInfoSelObj", 8, 10);
    QFont fett = lInfoSelObj->font();
    fett.setBold(true);
    lInfoSelObj->setFont(fett);
    gb = new QGroupBox(this);
    gb->setObjectName("gb");
    gb->setGeometry(8, 32, 409, 441);
    LabelAnlegen(Label1, gb, "Label1", 8, 8);
    lb = new QListWidget(gb);
    lb->setObjectName("lb");
    lb->setGeometry(8, 24, 121, 265);
    LabelAnlegen(lZuweisenHinweis, gb, "lZuweisenHinweis", 8, 296);
    KnopfAnlegen(bZuweisen, gb, "bZuweisen", QRect(8, 312, 105, 25));
    LabelAnlegen(lEntfernenHinweis, gb, "lEntfernenHinweis", 8, 344);
    KnopfAnlegen(bReset, gb, "bReset", QRect(8, 363, 105, 25));
    LabelAnlegen(lAnzeigenHinweis, gb, "lAnzeigenHinweis", 8, 392);
    KnopfAnlegen(bAnzeigen, gb, "bAnzeigen", QRect(8, 408, 105, 25));
    LabelAnlegen(lAnzeigenInfo, gb, "lAnzeigenInfo", 120, 414);
}

// The four direction operands around the direction picture.
void TDlgBewegung::RichtungenAnlegen()
{
    gb2 = new QGroupBox(gb);
    gb2->setObjectName("gb2");
    gb2->setGeometry(144, 24, 249, 177);
    Image1 = new QLabel(gb2);
    Image1->setObjectName("Image1");
    Image1->setGeometry(73, 53, 80, 80);
    Image1->setPixmap(RichtungsBild());
    EditAnlegen(eOben, gb2, "eOben", 72, 24, 81);
    EditAnlegen(eLinks, gb2, "eLinks", 7, 84, 57);
    EditAnlegen(eRechts, gb2, "eRechts", 160, 82, 57);
    EditAnlegen(eUnten, gb2, "eUnten", 72, 142, 81);
    // The entry is read into 255 characters; longer text cannot be typed.
    for (QLineEdit* e : {eOben, eLinks, eRechts, eUnten})
        e->setMaxLength(255);
}

// Pixel step and end switches.
void TDlgBewegung::VorschubAnlegen()
{
    gb3 = new QGroupBox(gb);
    gb3->setObjectName("gb3");
    gb3->setGeometry(144, 208, 249, 81);
    LabelAnlegen(lPixelvorschub, gb3, "lPixelvorschub", 8, 22);
    EditAnlegen(eGeschwindigkeit, gb3, "eGeschwindigkeit", 177, 19, 41);
    cbEndschalterBetaetigen = new QCheckBox(gb3);
    cbEndschalterBetaetigen->setObjectName("cbEndschalterBetaetigen");
    cbEndschalterBetaetigen->setGeometry(8, 50, 209, 20);
}

void TDlgBewegung::KnoepfeAnlegen()
{
    KnopfAnlegen(bOk, this, "bOk", QRect(88, 480, 121, 33));
    bOk->setDefault(true);
    KnopfAnlegen(AbbruchButton, this, "AbbruchButton", QRect(216, 480, 111, 33));
    KnopfAnlegen(bHilfe, this, "bHilfe", QRect(336, 480, 81, 33));
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
}

// The texts, in the order of the components.
void TDlgBewegung::TexteSetzen()
{
    setWindowTitle(Q(PoolText(1021)));
    lInfoSelObj->setText("lInfoSelObj");
    Label1->setText(Q(PoolText(1022)));
    lZuweisenHinweis->setText(Q(PoolText(1370)));
    bZuweisen->setText(Q(PoolText(1024)));
    lEntfernenHinweis->setText(Q(PoolText(1023)));
    bReset->setText(Q(PoolText(1025)));
    lAnzeigenHinweis->setText(Q(PoolText(1379)));
    bAnzeigen->setText(Q(PoolText(1027)));
    lAnzeigenInfo->setText("lAnzeigenInfo");
    lAnzeigenInfo->clear();
    gb2->setTitle(Q(PoolText(1026)));
    gb3->setTitle(Q(PoolText(1028)));
    lPixelvorschub->setText(Q(PoolText(1029)));
    cbEndschalterBetaetigen->setText(Q(PoolText(1030)));
    bOk->setText(Q(PoolText(1014)));
    AbbruchButton->setText(Q(PoolText(1015)));
    bHilfe->setText(Q(PoolText(1016)));
    for (QLabel* l : {Label1, lZuweisenHinweis, lEntfernenHinweis, lAnzeigenHinweis, lPixelvorschub})
        l->adjustSize();
    // A font wider than the one the places were laid out for: the speed
    // edit moves right rather than cover its label.
    const int iNachLabel = lPixelvorschub->geometry().right() + 6;
    if (iNachLabel > eGeschwindigkeit->x())
        eGeschwindigkeit->move(std::min(iNachLabel, gb3->width() - eGeschwindigkeit->width() - 4),
                               eGeschwindigkeit->y());
}

// The profile names, empty edits, and what the selection and the mode allow.
void TDlgBewegung::WerteZeigen()
{
    lb->clear();
    for (int i = 0; i < ANZAHL_BEWEGUNGSPROFILE; ++i)
        lb->addItem(Q(PoolTextFormat(1031, "%d", i)));
    lb->setCurrentRow(0);
    for (QLineEdit* e : {eOben, eUnten, eRechts, eLinks, eGeschwindigkeit})
        e->clear();
    for (QLineEdit* e : {eOben, eUnten, eRechts, eLinks})
        eOperandChange(e);
    iAktuellesProfil = -1;

    if (m_Umgebung.iAnzahlMarkierte() <= 0) {
        bZuweisen->setEnabled(false);
        bReset->setEnabled(false);
        lInfoSelObj->setText(Q(PoolText(1032)));
    } else {
        lInfoSelObj->setText(Q(PoolTextFormat(1033, "%d", m_Umgebung.iAnzahlMarkierte())));
        const TMyObj* pErstes = m_Umgebung.pMarkiert(0);
        // A number beyond the table (from a hand-made file) selects no row.
        if (pErstes && pErstes->MoveAktiv && pBewegungsprofil(pErstes->MoveNr))
            lb->setCurrentRow(pErstes->MoveNr);
    }
    lInfoSelObj->adjustSize();
    if (!m_Umgebung.bEditorModus()) {
        bZuweisen->setEnabled(false);
        bReset->setEnabled(false);
        bAnzeigen->setEnabled(false);
    }
}

void TDlgBewegung::Verbinden()
{
    for (QLineEdit* e : {eOben, eLinks, eRechts, eUnten})
        connect(e, &QLineEdit::textChanged, this, [this, e] { eOperandChange(e); });
    connect(bOk, &QPushButton::clicked, this, &TDlgBewegung::bOkClick);
    connect(AbbruchButton, &QPushButton::clicked, this, &TDlgBewegung::reject);
    connect(bHilfe, &QPushButton::clicked, this, &TDlgBewegung::bHilfeClick);
    connect(bZuweisen, &QPushButton::clicked, this, &TDlgBewegung::bZuweisenClick);
    connect(bReset, &QPushButton::clicked, this, &TDlgBewegung::bResetClick);
    connect(bAnzeigen, &QPushButton::clicked, this, &TDlgBewegung::bAnzeigenClick);
    connect(Timer1, &QTimer::timeout, this, &TDlgBewegung::Timer1Timer);
}

void TDlgBewegung::reject()
{
    done(2);
}

void TDlgBewegung::bOkClick()
{
    // A refused entry keeps the dialog open, so it can be mended.
    if (!ProfilUebernehmen(iAktuellesProfil))
        return;
    done(1);
}

void TDlgBewegung::bHilfeClick()
{
    m_Umgebung.HilfeAnzeigen("DlgBewegung.htm");
}

void TDlgBewegung::Timer1Timer()
{
    // The box of a refused row runs its own event loop, in which this
    // timer goes on ticking: it must not ask again meanwhile.
    if (lb->currentRow() == iAktuellesProfil || m_bZeilenWechsel)
        return;
    m_bZeilenWechsel = true;
    if (ProfilAnzeigen(iAktuellesProfil))
        iAktuellesProfil = lb->currentRow();
    else
        lb->setCurrentRow(iAktuellesProfil);   // back to the row to mend
    m_bZeilenWechsel = false;
}

bool TDlgBewegung::ProfilUebernehmen(int32_t iIndex)
{
    return iIndex < 0 || ProfilSpeichern(iIndex);
}

void TDlgBewegung::eOperandChange(QLineEdit* pEdit)
{
    if (!pEdit)
        return;
    // The operand edits hold upper-case letters only, typed or set.
    const QString sGross = pEdit->text().toUpper();
    if (sGross != pEdit->text()) {
        const int iCursor = pEdit->cursorPosition();
        pEdit->setText(sGross);   // comes back here with the new text
        pEdit->setCursorPosition(iCursor);
        return;
    }
    const std::string s = Text(pEdit);
    if (ZahlFeldOhneRand(s).empty()) {
        // The window colour: the edit takes its parent's colours again.
        pEdit->setPalette(QPalette());
        return;
    }
    QPalette Farben = pEdit->palette();
    Farben.setColor(QPalette::Base, FarbeVonWert(bBewegungsOperandGueltig(s) ? iFarbeOperandGueltig
                                                                             : iFarbeOperandUngueltig));
    pEdit->setPalette(Farben);
}

bool TDlgBewegung::bOperandAbgelehnt(const QLineEdit* pEdit) const
{
    return pEdit->palette().color(QPalette::Base) == FarbeVonWert(iFarbeOperandUngueltig);
}

bool TDlgBewegung::bProfileGeaendert() const
{
    if (!std::equal(std::begin(Bewegungsprofile), std::end(Bewegungsprofile), m_ProfileVorher))
        return true;
    return std::any_of(m_ObjekteVorher.begin(), m_ObjekteVorher.end(), [](const auto& o) {
        return o.first->MoveNr != o.second.first || o.first->MoveAktiv != o.second.second;
    });
}

bool TDlgBewegung::bAbgelehnt(QLineEdit* pEdit, const std::string& sMeldung)
{
    FehlerMeldung(sMeldung);
    pEdit->setFocus();
    pEdit->selectAll();
    return false;
}

// Texte: 6720-6724
bool TDlgBewegung::ProfilSpeichern(int32_t iIndex)
{
    Bewegungsprofil* pProfil = pBewegungsprofil(iIndex);
    if (!pProfil)
        return true;
    // The row is put together apart and stored at once, and only when every
    // entry holds: whatever reads the table sees either the old or the new
    // row, and a refused entry leaves the whole row as it was.
    Bewegungsprofil Neu = *pProfil;
    const struct {
        QLineEdit* pEdit;
        BewegungsOperand* pOperand;
        unsigned long ulFeld;
        const std::string& sGezeigt;
    } Richtungen[] = {{eOben, &Neu.Oben, 6721, m_sGezeigt[0]},
                      {eUnten, &Neu.Unten, 6722, m_sGezeigt[1]},
                      {eRechts, &Neu.Rechts, 6723, m_sGezeigt[2]},
                      {eLinks, &Neu.Links, 6724, m_sGezeigt[3]}};
    for (const auto& r : Richtungen) {
        const std::string s = Text(r.pEdit);
        // Left as shown: the table's operand stays as it is, also one the
        // edit could not take (a byte above 127 from a panel file) and its
        // letter in the form the file has. Only what the user typed must
        // be a whole operand.
        if (s == r.sGezeigt)
            continue;
        // The whole text is the operand: a text with more in it is refused
        // with its field named, never read as far as it goes.
        if (!bBewegungsOperandLesen(s, *r.pOperand))
            return bAbgelehnt(r.pEdit, PoolTextFormat(6720, "%s%s", ZahlFeldOhneRand(s).c_str(),
                                                      PoolText(r.ulFeld).c_str()));
    }
    // The speed is a whole number or blank; any other text is refused with
    // its field named. Blank and 0 mean 2.
    const std::string sGeschw = Text(eGeschwindigkeit);
    const std::string sFeld = FeldnameAusBeschriftung(lPixelvorschub->text().toStdString());
    long long llGeschw = 0;
    if (!bGanzzahlFeldLesen(sGeschw, TZahlArt::Ganzzahl, llGeschw))
        return bAbgelehnt(eGeschwindigkeit, ZahlFeldMeldung(sGeschw, TZahlArt::Ganzzahl, sFeld));
    // Beyond the signed field a speed would move the other way.
    if (llGeschw > iMaxGeschwindigkeit)
        return bAbgelehnt(eGeschwindigkeit,
                          PoolTextFormat(6500, "%s%s%ld%ld", ZahlFeldOhneRand(sGeschw).c_str(), sFeld.c_str(), 0L,
                                         static_cast<long>(iMaxGeschwindigkeit)));
    Neu.Geschw = llGeschw == 0 ? 2 : static_cast<int32_t>(llGeschw);
    Neu.Endsch = cbEndschalterBetaetigen->isChecked() ? 1 : 0;
    *pProfil = Neu;
    return true;
}

void TDlgBewegung::OperandBuchstabeAnpassen(char& cBuchstabe)
{
    if (SPR_GetTextSprache() == 1) {
        if (cBuchstabe == 'I')
            cBuchstabe = 'E';
        else if (cBuchstabe == 'Q')
            cBuchstabe = 'A';
    } else {
        if (cBuchstabe == 'E')
            cBuchstabe = 'I';
        else if (cBuchstabe == 'A')
            cBuchstabe = 'Q';
    }
}

void TDlgBewegung::ProfilTexteHolen(int32_t i, std::string& sOben, std::string& sUnten,
                                    std::string& sRechts, std::string& sLinks)
{
    const Bewegungsprofil* pProfil = pBewegungsprofil(i);
    sOben.clear();
    sUnten.clear();
    sRechts.clear();
    sLinks.clear();
    if (!pProfil)
        return;
    // The address as the motion reads it (0..255): a byte above 127 from a
    // panel file is shown as it acts, and the edit refuses it. The letter
    // is converted in the text only: showing a row changes nothing of it.
    auto text = [](const BewegungsOperand& o) {
        if (o.Op == 0)
            return std::string();
        char cBuchstabe = o.Op;
        OperandBuchstabeAnpassen(cBuchstabe);
        return std::string(1, cBuchstabe) + std::to_string(static_cast<uint8_t>(o.Adr)) + "." +
               std::to_string(o.Bit);
    };
    sOben = text(pProfil->Oben);
    sUnten = text(pProfil->Unten);
    sRechts = text(pProfil->Rechts);
    sLinks = text(pProfil->Links);
}

bool TDlgBewegung::ProfilAnzeigen(int32_t iVorher)
{
    if (!ProfilUebernehmen(iVorher))
        return false;
    const int32_t i = lb->currentRow();
    const Bewegungsprofil* pProfil = pBewegungsprofil(i);
    if (!pProfil)
        return true;
    ProfilTexteHolen(i, m_sGezeigt[0], m_sGezeigt[1], m_sGezeigt[2], m_sGezeigt[3]);
    QLineEdit* const Edits[] = {eOben, eUnten, eRechts, eLinks};
    for (int k = 0; k < 4; ++k) {
        Edits[k]->setText(Q(m_sGezeigt[k]));
        // As the edit holds it (upper-cased), so that a text left alone is
        // recognised as such.
        m_sGezeigt[k] = Text(Edits[k]);
    }
    // Signed: a negative speed from a panel file is shown as it is, and OK
    // refuses it as it refuses a typed "-1". A speed of 0 moves by 2 once
    // stored, and so shows as 2.
    eGeschwindigkeit->setText(Q(std::to_string(pProfil->Geschw == 0 ? 2 : pProfil->Geschw)));
    cbEndschalterBetaetigen->setChecked(pProfil->Endsch != 0);
    return true;
}

void TDlgBewegung::bZuweisenClick()
{
    if (!ProfilUebernehmen(iAktuellesProfil))
        return;
    const int32_t i = lb->currentRow();
    if (!pBewegungsprofil(i))
        return;
    for (int32_t k = 0; k < m_Umgebung.iAnzahlMarkierte(); ++k) {
        if (TMyObj* p = m_Umgebung.pMarkiert(k)) {
            p->MoveNr = i;
            p->MoveAktiv = true;
        }
    }
}

void TDlgBewegung::bResetClick()
{
    if (lb->currentRow() < 0)
        return;
    for (int32_t k = 0; k < m_Umgebung.iAnzahlMarkierte(); ++k) {
        if (TMyObj* p = m_Umgebung.pMarkiert(k)) {
            p->MoveNr = 0;
            p->MoveAktiv = false;
        }
    }
}

void TDlgBewegung::bAnzeigenClick()
{
    m_Umgebung.MarkierungAufheben();
    const int32_t i = lb->currentRow();
    if (i < 0)
        return;
    int32_t iAnzahl = 0;
    for (int32_t k = 0; k < m_Umgebung.iAnzahlObjekte(); ++k) {
        TMyObj* p = m_Umgebung.pObjekt(k);
        if (p && p->MoveNr == i && p->MoveAktiv) {
            m_Umgebung.ObjektMarkieren(p);
            ++iAnzahl;
        }
    }
    lAnzeigenInfo->setText(iAnzahl != 0 ? Q(PoolTextFormat(1034, "%d", iAnzahl)) : Q(PoolText(1035)));
    lAnzeigenInfo->adjustSize();
}
