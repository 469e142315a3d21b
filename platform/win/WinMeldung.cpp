// Message boxes: one place that records every box, lets tests answer it and
// shows the real QMessageBox otherwise.
#include "WinMeldung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <cstdio>
#include <mutex>

namespace {

std::mutex g_mutex;
std::function<int(const TMeldung&)> g_antworter;
std::vector<TMeldung> g_gezeigt;
bool g_bOffscreenZeigen = false;

struct TKnopf {
    std::string sText;
    int iErgebnis;
};

QMessageBox::Icon QtSymbol(unsigned uSymbol)
{
    switch (uSymbol & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The standard buttons of a box type and what closing it means.
std::vector<TKnopf> StandardKnoepfe(unsigned uTyp, int& iBeimSchliessen)
{
    switch (uTyp & 0x0F) {
    case MB_OKCANCEL:
        iBeimSchliessen = IDCANCEL;
        return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_YESNOCANCEL:
        iBeimSchliessen = IDCANCEL;
        return {{"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO:
        iBeimSchliessen = IDNO;
        return {{"Yes", IDYES}, {"No", IDNO}};
    default:
        iBeimSchliessen = IDOK;
        return {{"OK", IDOK}};
    }
}

bool bOhneBildschirm()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return !g_bOffscreenZeigen && QGuiApplication::platformName() == QLatin1String("offscreen");
}

int EchteBox(QWidget* pBesitzer, const TMeldung& m, unsigned uSymbol,
             const std::vector<TKnopf>& knoepfe, int iBeimSchliessen, bool bStandard)
{
    QMessageBox box(QtSymbol(uSymbol), QString::fromStdString(m.sTitel),
                    QString::fromStdString(m.sText), QMessageBox::NoButton, pBesitzer);
    if (bStandard && (m.uTyp & MB_TOPMOST))
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    std::vector<std::pair<QAbstractButton*, int>> zuordnung;
    for (size_t i = 0; i < knoepfe.size(); ++i) {
        QAbstractButton* pKnopf;
        if (bStandard) {
            const int e = knoepfe[i].iErgebnis;
            const QMessageBox::StandardButton art = e == IDYES   ? QMessageBox::Yes
                                                    : e == IDNO  ? QMessageBox::No
                                                    : e == IDCANCEL ? QMessageBox::Cancel
                                                                    : QMessageBox::Ok;
            pKnopf = box.addButton(art);
        } else {
            pKnopf = box.addButton(QString::fromStdString(knoepfe[i].sText),
                                   QMessageBox::ActionRole);
        }
        if (i == 0)
            box.setDefaultButton(qobject_cast<QPushButton*>(pKnopf));
        zuordnung.emplace_back(pKnopf, knoepfe[i].iErgebnis);
    }
    // Closing by the title bar or Escape "presses" an invisible button, so
    // every box can be closed and reports the agreed result.
    QPushButton* pSchliessen = box.addButton(QStringLiteral("close"), QMessageBox::RejectRole);
    pSchliessen->hide();
    box.setEscapeButton(pSchliessen);
    box.exec();
    QAbstractButton* pGeklickt = box.clickedButton();
    for (const auto& [pKnopf, iErgebnis] : zuordnung) {
        if (pKnopf == pGeklickt)
            return iErgebnis;
    }
    return iBeimSchliessen;
}

int Zeigen(QWidget* pBesitzer, TMeldung m, unsigned uSymbol, const std::vector<TKnopf>& knoepfe,
           int iBeimSchliessen, bool bStandard)
{
    for (const TKnopf& k : knoepfe)
        m.knoepfe.push_back(k.sText);
    std::function<int(const TMeldung&)> antworter;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        g_gezeigt.push_back(m);
        antworter = g_antworter;
    }
    if (antworter)
        return antworter(m);

    auto* pApp = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!pApp || bOhneBildschirm()) {
        // No screen to show it on (no application yet, or a headless run
        // without a scripted answer): report it and take the default button
        // instead of blocking or crashing.
        std::fprintf(stderr, "%s: %s\n", m.sTitel.c_str(), m.sText.c_str());
        return knoepfe.empty() ? iBeimSchliessen : knoepfe.front().iErgebnis;
    }
    if (QThread::currentThread() != pApp->thread()) {
        int iErgebnis = iBeimSchliessen;
        QMetaObject::invokeMethod(
            pApp,
            [&]() { iErgebnis = EchteBox(pBesitzer, m, uSymbol, knoepfe, iBeimSchliessen, bStandard); },
            Qt::BlockingQueuedConnection);
        return iErgebnis;
    }
    return EchteBox(pBesitzer, m, uSymbol, knoepfe, iBeimSchliessen, bStandard);
}

} // namespace

int MessageBoxA(QWidget* pBesitzer, const std::string& sText, const std::string& sTitel,
                unsigned uTyp)
{
    int iBeimSchliessen = IDOK;
    const std::vector<TKnopf> knoepfe = StandardKnoepfe(uTyp, iBeimSchliessen);
    TMeldung m;
    m.sText = sText;
    m.sTitel = sTitel;
    m.uTyp = uTyp;
    return Zeigen(pBesitzer, m, uTyp, knoepfe, iBeimSchliessen, true);
}

int MeldungMitKnoepfen(QWidget* pBesitzer, const std::string& sText, const std::string& sTitel,
                       unsigned uSymbol, const std::vector<std::pair<std::string, int>>& knoepfe,
                       int iErgebnisBeimSchliessen)
{
    std::vector<TKnopf> eigene;
    for (const auto& [sKnopf, iErgebnis] : knoepfe)
        eigene.push_back({sKnopf, iErgebnis});
    if (eigene.empty())
        eigene.push_back({"OK", IDOK});
    TMeldung m;
    m.sText = sText;
    m.sTitel = sTitel;
    m.uTyp = uSymbol;
    return Zeigen(pBesitzer, m, uSymbol, eigene, iErgebnisBeimSchliessen, false);
}

void MeldungsAntworterSetzen(std::function<int(const TMeldung&)> antworter)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_antworter = std::move(antworter);
}

std::vector<TMeldung> GezeigteMeldungen()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return g_gezeigt;
}

void GezeigteMeldungenLoeschen()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_gezeigt.clear();
}

void MeldungenImOffscreenZeigen(bool bAn)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_bOffscreenZeigen = bAn;
}
