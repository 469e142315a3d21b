// PLC settings dialog: the diagnosis events and the technical data of the
// engine, both read-only.
#include "DlgEinstellungenForm.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>
#include <QLineEdit>
#include <QTableWidget>

#include <vector>

#include "PoolText.h"
#include "SPSEinstellungen.h"
#include "harlenzutils40.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Zelle(QTableWidget* t, int iZeile, int iSpalte, const std::string& s)
{
    t->setItem(iZeile, iSpalte, new QTableWidgetItem(Q(s)));
}

constexpr uint32_t dwVerzeichnisWorte = 25000;
constexpr std::size_t uListeMax = 999;

} // namespace

void TDlgEinstellungen::DiagnoseAnzeigen()
{
    sg->setColumnCount(5);
    QStringList koepfe;
    for (unsigned long n = 1146; n <= 1150; ++n) koepfe << Q(PoolText(n));
    sg->setHorizontalHeaderLabels(koepfe);
    const QFontMetrics fm(font());
    const char* apcMuster[4] = {"NR:xxx", "ID:xxxxx", "18.07.2008 15:35:25:xxxxxxx", "Baustein---"};
    // A column is as wide as its sample value or its head, whichever is
    // wider (the German heads are longer than the samples).
    const QFontMetrics fmKopf = sg->horizontalHeader()->fontMetrics();
    for (int i = 0; i < 4; ++i)
        sg->setColumnWidth(i, std::max(fm.horizontalAdvance(apcMuster[i]), fmKopf.horizontalAdvance(koepfe[i])) + 12);
    // The event text takes the rest of the view. A fixed width of its own
    // would stay the least it shrinks to, and the German heads leave less
    // room: the table scrolled sideways by a pixel or two.
    sg->horizontalHeader()->setStretchLastSection(true);
    // Heads at the left of their columns, where a narrow dialog shows them.
    sg->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const uint16_t wAnzahl = D7ED_GetAnzahlEreignisse(nullptr);
    sg->setRowCount(wAnzahl);
    int iZeile = 0;
    for (int k = static_cast<int>(wAnzahl) - 1; k >= 0; --k, ++iZeile) {
        uint16_t wId = 0, wNr = 0;
        uint32_t dwWert = 0;
        uint8_t byTyp = 0;
        D7ED_GetEreignis(static_cast<uint16_t>(k), &wId, &dwWert, &byTyp, &wNr);
        std::vector<char> text(D7ED_TEXT_LAENGE + 1, '\0');
        D7ED_GetEreignisString(static_cast<uint16_t>(k), text.data());
        std::string sText, sZeit;
        DiagnoseTextZerlegen(text.data(), sText, sZeit);
        char cBaustein[32];
        U_GetBausteinStrTypNr(cBaustein, byTyp, wNr, false);
        Zelle(sg, iZeile, 0, std::to_string(k));
        Zelle(sg, iZeile, 1, std::to_string(wId));
        Zelle(sg, iZeile, 2, sZeit);
        Zelle(sg, iZeile, 3, cBaustein[0] == '?' ? std::string("-") : std::string(cBaustein));
        Zelle(sg, iZeile, 4, sText);
    }
}

void TDlgEinstellungen::SFCSFBListenHolen(std::string& sSFC, std::string& sSFB)
{
    sSFC.clear();
    sSFB.clear();
    std::vector<uint16_t> v(dwVerzeichnisWorte, 0);
    unsigned char byGekuerzt = 0;
    D7ED_GetBausteinverzeichnis(v.data(), dwVerzeichnisWorte, &byGekuerzt, nullptr);
    for (std::size_t i = 0; i + 1 < v.size() && (v[i] & 0xFF) != 0; i += 2) {
        const unsigned uTyp = v[i] & 0xFF;
        if (uTyp != D7ED_BST_SFC && uTyp != D7ED_BST_SFB) continue;
        char c[32];
        U_GetBausteinStrTypNr(c, static_cast<uint16_t>(uTyp), v[i + 1], false);
        std::string& s = uTyp == D7ED_BST_SFC ? sSFC : sSFB;
        const std::string sNeu = s.empty() ? std::string(c) : "," + std::string(c);
        if (s.size() + sNeu.size() <= uListeMax) s += sNeu;
    }
}

void TDlgEinstellungen::TechnischeDatenAnzeigen()
{
    QTableWidget* t = sgTechnischeDaten;
    t->clearContents();
    t->setColumnCount(2);
    t->setRowCount(29);   // rows 1..29 below the head row
    t->setHorizontalHeaderLabels({Q(PoolText(1151)), Q(PoolText(1152))});
    t->setColumnWidth(0, 250);
    t->setColumnWidth(1, 950);
    // The value column is wider than the page (long block lists scroll):
    // its head starts at the left, where it is seen, not in the middle.
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    t->verticalHeader()->setDefaultSectionSize(20);

    std::string sSFC, sSFB;
    SFCSFBListenHolen(sSFC, sSFB);
    const std::string sOB = "OB1,OB10, OB20, OB21,OB35,OB40,OB41,OB100,OB101";
    std::vector<std::vector<char>> id(6, std::vector<char>(D7ED_TEXT_LAENGE + 1, '\0'));
    D7ED_GetIdentifikationsdaten(id[0].data(), id[1].data(), id[2].data(), id[3].data(), id[4].data(),
                                 id[5].data(), nullptr);
    std::vector<char> name(D7ED_TEXT_LAENGE + 1, '\0');
    uint32_t dwRam = 0;
    uint16_t w[14] = {};
    D7ED_GetAGInfoDaten(name.data(), &dwRam, &w[1], &w[2], &w[3], &w[4], &w[5], &w[6], &w[7], &w[8], &w[9],
                        &w[10], &w[11], &w[12], &w[13], nullptr);

    // Grid row r (1-based below the head row) is table row r - 1.
    auto zeile = [t](int r, unsigned long ulText, const std::string& sWert) {
        if (ulText) Zelle(t, r - 1, 0, PoolText(ulText));
        Zelle(t, r - 1, 1, sWert);
    };
    std::string sSFC1, sSFC2;
    SFCListeTeilen(sSFC, sSFC1, sSFC2);
    zeile(1, 1155, id[1].data());
    zeile(2, 1160, name.data());
    zeile(3, 1161, std::to_string(dwRam));
    zeile(4, 1162, std::to_string(w[1]));
    zeile(6, 1163, "FB 0 - FB " + BereichsEnde(w[3]));
    zeile(7, 1164, "FC 0 - FC " + BereichsEnde(w[4]));
    zeile(8, 1165, "DB 0 - DB " + BereichsEnde(w[5]));
    zeile(10, 1166, PoolText(1168) + BereichsEnde(w[6]));
    zeile(11, 1167, PoolText(1169) + BereichsEnde(w[7]));
    zeile(12, 1170, PoolText(1171) + BereichsEnde(w[11]));
    zeile(13, 1172, PoolText(1173) + BereichsEnde(w[11]));
    zeile(14, 1174, "MB 0 - MB " + BereichsEnde(w[8]));
    zeile(15, 1175, "T 0 - T " + BereichsEnde(w[9]));
    zeile(16, 1176, PoolText(1177) + BereichsEnde(w[10]));
    zeile(18, 1178, sOB);
    zeile(19, 1179, sSFC1);
    zeile(20, 0, sSFC2);
    zeile(21, 1180, sSFB);
    zeile(23, 1181, PoolText(1182));
    zeile(24, 1183, PoolText(1182));

    Zyklus_GroessePAE_Edit->setText(QString::number(w[11]));
    Zyklus_GroessePAA_Edit->setText(QString::number(w[11]));
    Zyklus_GroessePAE_Edit->setEnabled(false);
    Zyklus_GroessePAA_Edit->setEnabled(false);
}
