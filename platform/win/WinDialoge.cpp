// File, folder and colour dialogs with queued test answers.
#include "WinDialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>

#include <deque>
#include <mutex>

namespace {

std::mutex g_mutex;
std::deque<std::string> g_dateiAntworten;
std::deque<std::string> g_ordnerAntworten;
std::deque<std::optional<uint32_t>> g_farbAntworten;
std::function<int(QDialog&)> g_modalAntworter;

template <typename T>
bool bAntwortNehmen(std::deque<T>& schlange, T& antwort)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    if (schlange.empty())
        return false;
    antwort = schlange.front();
    schlange.pop_front();
    return true;
}

// No real dialog can be answered: no application, or a headless run.
bool bKeinDialogMoeglich()
{
    return !qobject_cast<QApplication*>(QCoreApplication::instance()) ||
           QGuiApplication::platformName() == QLatin1String("offscreen");
}

std::vector<std::string> Zerteilen(const std::string& s, char cTrenner)
{
    std::vector<std::string> teile;
    size_t i = 0;
    for (;;) {
        const size_t j = s.find(cTrenner, i);
        teile.push_back(s.substr(i, j == std::string::npos ? std::string::npos : j - i));
        if (j == std::string::npos)
            return teile;
        i = j + 1;
    }
}

std::string OrdnerMitStrich(std::string s)
{
    if (!s.empty() && s.back() != '/')
        s += '/';
    return s;
}

} // namespace

std::string QtFilterAusDesign(const std::string& sFilter)
{
    if (sFilter.empty())
        return "";
    const std::vector<std::string> teile = Zerteilen(sFilter, '|');
    std::string sQt;
    for (size_t i = 0; i < teile.size(); i += 2) {
        const std::string& sBeschreibung = teile[i];
        std::string sMuster;
        const std::string sRoh = i + 1 < teile.size() ? teile[i + 1] : "";
        for (const std::string& sEines : Zerteilen(sRoh, ';')) {
            const size_t a = sEines.find_first_not_of(' ');
            if (a == std::string::npos)
                continue;
            const size_t b = sEines.find_last_not_of(' ');
            if (!sMuster.empty())
                sMuster += ' ';
            sMuster += sEines.substr(a, b - a + 1);
        }
        if (sMuster.empty())
            sMuster.assign(1, '*');
        // A trailing '|' leaves an empty description: skip that pair.
        if (sBeschreibung.empty() && sRoh.empty())
            continue;
        if (!sQt.empty())
            sQt += ";;";
        sQt += sBeschreibung + " (" + sMuster + ")";
    }
    return sQt;
}

namespace {

std::string DateiDialog(bool bSpeichern, QWidget* pBesitzer, const std::string& sTitel,
                        const std::string& sFilter, const std::string& sStartOrdner)
{
    std::string sAntwort;
    if (bAntwortNehmen(g_dateiAntworten, sAntwort))
        return sAntwort;
    if (bKeinDialogMoeglich())
        return "";
    const QString qTitel = QString::fromStdString(sTitel);
    const QString qOrdner = QString::fromStdString(sStartOrdner);
    const QString qFilter = QString::fromStdString(QtFilterAusDesign(sFilter));
    return (bSpeichern ? QFileDialog::getSaveFileName(pBesitzer, qTitel, qOrdner, qFilter)
                       : QFileDialog::getOpenFileName(pBesitzer, qTitel, qOrdner, qFilter))
        .toStdString();
}

} // namespace

std::string DateiOeffnenDialog(QWidget* pBesitzer, const std::string& sTitel,
                               const std::string& sFilter, const std::string& sStartOrdner)
{
    return DateiDialog(false, pBesitzer, sTitel, sFilter, sStartOrdner);
}

std::string DateiSpeichernDialog(QWidget* pBesitzer, const std::string& sTitel,
                                 const std::string& sFilter, const std::string& sStartOrdner)
{
    return DateiDialog(true, pBesitzer, sTitel, sFilter, sStartOrdner);
}

std::string OrdnerWaehlenDialog(QWidget* pBesitzer, const std::string& sTitel,
                                const std::string& sStartOrdner)
{
    std::string sAntwort;
    if (bAntwortNehmen(g_ordnerAntworten, sAntwort))
        return OrdnerMitStrich(sAntwort);
    if (bKeinDialogMoeglich())
        return "";
    return OrdnerMitStrich(QFileDialog::getExistingDirectory(pBesitzer,
                                                             QString::fromStdString(sTitel),
                                                             QString::fromStdString(sStartOrdner))
                               .toStdString());
}

bool bFarbDialog(QWidget* pBesitzer, uint32_t& dwFarbe)
{
    std::optional<uint32_t> antwort;
    if (!bAntwortNehmen(g_farbAntworten, antwort)) {
        if (bKeinDialogMoeglich())
            return false;
        const QColor start(dwFarbe & 0xFF, (dwFarbe >> 8) & 0xFF, (dwFarbe >> 16) & 0xFF);
        const QColor farbe = QColorDialog::getColor(start, pBesitzer);
        if (farbe.isValid())
            antwort = static_cast<uint32_t>(farbe.red()) |
                      (static_cast<uint32_t>(farbe.green()) << 8) |
                      (static_cast<uint32_t>(farbe.blue()) << 16);
    }
    if (!antwort)
        return false;
    dwFarbe = *antwort & 0x00FFFFFF;
    return true;
}

void NaechsteDateiAntwort(const std::string& s)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_dateiAntworten.push_back(s);
}

void NaechsteOrdnerAntwort(const std::string& s)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_ordnerAntworten.push_back(s);
}

void NaechsteFarbAntwort(std::optional<uint32_t> farbe)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_farbAntworten.push_back(farbe);
}

void DialogAntwortenLoeschen()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_dateiAntworten.clear();
    g_ordnerAntworten.clear();
    g_farbAntworten.clear();
}

int iModalAusfuehren(QDialog& dlg)
{
    std::function<int(QDialog&)> antworter;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        antworter = g_modalAntworter;
    }
    if (antworter)
        return antworter(dlg);
    return dlg.exec();
}

void ModalAntworterSetzen(std::function<int(QDialog&)> antworter)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_modalAntworter = std::move(antworter);
}
