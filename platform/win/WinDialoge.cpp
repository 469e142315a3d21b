// File, folder and colour dialogs with queued test answers.
#include "WinDialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <deque>
#include <mutex>

namespace {

std::mutex g_mutex;
std::deque<std::string> g_dateiAntworten;
std::deque<std::string> g_ordnerAntworten;
std::deque<std::optional<uint32_t>> g_farbAntworten;
std::function<int(QDialog&)> g_modalAntworter;
std::function<void(QDialog&)> g_dialogBeobachter;

// A test that looks at the dialog itself: it gets the dialog as the
// program built it, and the dialog counts as cancelled.
bool bBeobachtet(QDialog& dlg)
{
    std::function<void(QDialog&)> beobachter;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        beobachter = g_dialogBeobachter;
    }
    if (!beobachter)
        return false;
    beobachter(dlg);
    return true;
}

bool bBeobachterGesetzt()
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return static_cast<bool>(g_dialogBeobachter);
}

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
        // Descriptions often show their pattern already ("Panels (*.x)").
        const std::string sKlammer = " (" + sMuster + ")";
        const bool bSchonDa = sBeschreibung.size() >= sKlammer.size() &&
                              sBeschreibung.compare(sBeschreibung.size() - sKlammer.size(),
                                                    sKlammer.size(), sKlammer) == 0;
        sQt += bSchonDa ? sBeschreibung : sBeschreibung + sKlammer;
    }
    return sQt;
}

std::string MitStandardEndung(const std::string& sPfad, const std::string& sEndung)
{
    if (sPfad.empty() || sEndung.empty())
        return sPfad;
    const size_t nName = sPfad.find_last_of('/');
    const std::string sName = nName == std::string::npos ? sPfad : sPfad.substr(nName + 1);
    if (sName.empty() || sName.find('.') != std::string::npos)
        return sPfad;
    const QFileInfo info(QString::fromStdString(sPfad));
    if (info.exists())
        return sPfad;
    // The file on disk in whichever letter case the extension has there.
    const QDir ordner = info.dir();
    const QString qGesucht = QString::fromStdString(sName + "." + sEndung);
    for (const QString& s : ordner.entryList(QDir::Files))
        if (s.compare(qGesucht, Qt::CaseInsensitive) == 0)
            return ordner.filePath(s).toStdString();
    return sPfad + "." + QString::fromStdString(sEndung).toLower().toStdString();
}

namespace {

std::string DateiDialog(bool bSpeichern, QWidget* pBesitzer, const std::string& sTitel,
                        const std::string& sFilter, const std::string& sStartOrdner,
                        const std::string& sEndung)
{
    std::string sAntwort;
    if (bAntwortNehmen(g_dateiAntworten, sAntwort))
        return MitStandardEndung(sAntwort, sEndung);
    if (!bBeobachterGesetzt() && bKeinDialogMoeglich())
        return "";
    QFileDialog dlg(pBesitzer, QString::fromStdString(sTitel), QString::fromStdString(sStartOrdner),
                    QString::fromStdString(QtFilterAusDesign(sFilter)));
    dlg.setAcceptMode(bSpeichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(bSpeichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!sEndung.empty())
        dlg.setDefaultSuffix(QString::fromStdString(sEndung).toLower());
    if (bBeobachtet(dlg))
        return "";
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return "";
    return MitStandardEndung(dlg.selectedFiles().front().toStdString(), sEndung);
}

} // namespace

std::string DateiOeffnenDialog(QWidget* pBesitzer, const std::string& sTitel,
                               const std::string& sFilter, const std::string& sStartOrdner,
                               const std::string& sStandardEndung)
{
    return DateiDialog(false, pBesitzer, sTitel, sFilter, sStartOrdner, sStandardEndung);
}

std::string DateiSpeichernDialog(QWidget* pBesitzer, const std::string& sTitel,
                                 const std::string& sFilter, const std::string& sStartOrdner)
{
    return DateiDialog(true, pBesitzer, sTitel, sFilter, sStartOrdner, "");
}

std::string OrdnerWaehlenDialog(QWidget* pBesitzer, const std::string& sTitel,
                                const std::string& sStartOrdner)
{
    std::string sAntwort;
    if (bAntwortNehmen(g_ordnerAntworten, sAntwort))
        return OrdnerMitStrich(sAntwort);
    if (!bBeobachterGesetzt() && bKeinDialogMoeglich())
        return "";
    QFileDialog dlg(pBesitzer, QString::fromStdString(sTitel), QString::fromStdString(sStartOrdner));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    if (bBeobachtet(dlg) || dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return "";
    return OrdnerMitStrich(dlg.selectedFiles().front().toStdString());
}

bool bFarbDialog(QWidget* pBesitzer, uint32_t& dwFarbe)
{
    std::optional<uint32_t> antwort;
    if (!bAntwortNehmen(g_farbAntworten, antwort)) {
        if (!bBeobachterGesetzt() && bKeinDialogMoeglich())
            return false;
        const QColor start(dwFarbe & 0xFF, (dwFarbe >> 8) & 0xFF, (dwFarbe >> 16) & 0xFF);
        QColorDialog dlg(start, pBesitzer);
        const bool bGewaehlt = !bBeobachtet(dlg) && dlg.exec() == QDialog::Accepted;
        const QColor farbe = bGewaehlt ? dlg.selectedColor() : QColor();
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

void DialogBeobachterSetzen(std::function<void(QDialog&)> beobachter)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    g_dialogBeobachter = std::move(beobachter);
}
