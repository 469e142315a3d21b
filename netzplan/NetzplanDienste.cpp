// Version class, boxes, cursor, status line, help and example access data.
#include "NetzplanDienste.h"

#include "DlgFortschrittu.h"
#include "DlgSim.h"
#include "Netzplan.h"
#include "WinProzess.h"
#include "WinZeit.h"
#include "kolv_v2_mpi.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>

#include <arpa/inet.h>
#include <filesystem>

int VersionsKlasse(const TWindowsVersion& v)
{
    const char cSp = v.sServicePack.size() > 1 ? v.sServicePack[1] : '\0';
    switch (v.dwPlattform) {
    case VER_PLATFORM_WIN32s:
        return 1;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (v.dwMajor == 4 && v.dwMinor == 0)
            return cSp == 'C' ? 3 : 2;
        if (v.dwMajor == 4 && v.dwMinor == 10)
            return cSp == 'A' ? 5 : 4;
        if (v.dwMajor == 4 && v.dwMinor == 90)
            return 6;
        return 0;
    case VER_PLATFORM_WIN32_NT:
        if (v.dwMajor <= 4)
            return 7;
        if (v.dwMajor == 5)
            return v.dwMinor == 0 ? 8 : v.dwMinor == 1 ? 9 : 0;
        if (v.dwMajor == 6)
            return v.dwMinor == 1 ? 11 : v.dwMinor == 2 ? 12 : 10;
        return 0;
    default:
        return 0;
    }
}

int WindowsVersionClass()
{
    TWindowsVersion v;
    if (!GetVersionExA(v, OSVERSIONINFOEX_GROESSE) && !GetVersionExA(v, OSVERSIONINFO_GROESSE))
        return 0;
    return VersionsKlasse(v);
}

int ShowMessageBox(const char* pcText, const char* pcTitel, unsigned uFlags)
{
    return MessageBoxA(QApplication::activeWindow(), pcText ? pcText : "", pcTitel ? pcTitel : "",
                       uFlags | MB_TOPMOST);
}

void ShowError(const std::string& sText)
{
    ShowMessageBox(sText.c_str(), cProgrammTitel, MB_OK | MB_ICONERROR);
}

void ShowInfo(const std::string& sText)
{
    ShowMessageBox(sText.c_str(), cProgrammTitel, MB_OK | MB_ICONINFORMATION);
}

void HourglassOn(TGespeicherterCursor* pGespeichert)
{
    if (pGespeichert)
        *pGespeichert = QApplication::overrideCursor() != nullptr;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void HourglassOff(const TGespeicherterCursor* pGespeichert)
{
    if (pGespeichert && QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

namespace {
std::vector<std::string> g_statusTexte;
}

std::vector<std::string> GezeigteStatusTexte()
{
    return g_statusTexte;
}

void GezeigteStatusTexteLoeschen()
{
    g_statusTexte.clear();
}

void SetStatusText(const std::string& sText)
{
    g_statusTexte.push_back(sText);
    if (DialogSimVoreinstellung && DialogSimVoreinstellung->StatusTextLabel) {
        DialogSimVoreinstellung->StatusTextLabel->setText(QString::fromStdString(sText));
        DialogSimVoreinstellung->StatusTextLabel->repaint();
    }
}

std::string HilfeKommandozeile(const std::string& sSeite, int iLeft, int iTop)
{
    const std::string sSeitenPfad = cProgrammOrdner + "HtmHelpFiles/" + sSeite;
    // The viewer lies in the program folder, two levels above this
    // program's folder (__system/Netzplanung/).
    std::string sViewer =
        (std::filesystem::path(cProgrammOrdner) / "../../harlenzhelp").lexically_normal().string();
    if (sViewer.find_first_of(" \t") != std::string::npos)
        sViewer = "\"" + sViewer + "\"";
    return Formatiert("%s /X=%i /Y=%i /W=%i /H=%i /Lang=DE /App=Quendra V4# /Show=%s",
                      sViewer.c_str(), iLeft, iTop, 500, 800, sSeitenPfad.c_str());
}

void ShowHelp(const std::string& sSeite)
{
    const int iLeft = DialogSimVoreinstellung ? DialogSimVoreinstellung->x() : 0;
    const int iTop = DialogSimVoreinstellung ? DialogSimVoreinstellung->y() : 0;
    WinExec(HilfeKommandozeile(sSeite, iLeft, iTop));
}

bool ComputeExampleAccess(const std::string& sIP1, const std::string& sIP2, uint16_t wPort1,
                          uint16_t wPort2, uint16_t wPort3, uint16_t wPort4,
                          std::string& sAdresse, uint16_t& wPort, std::string& sAdresseKopie)
{
    std::string sIP;
    uint16_t w = 0;
    if (wPort1 == 102 || wPort2 == 102) {
        sIP = sIP1;
        w = 102;
    } else if (wPort3 == 102 || wPort4 == 102) {
        sIP = sIP2;
        w = 102;
    } else if (wPort1 != 0 || wPort2 != 0) {
        sIP = sIP1;
        w = wPort1 != 0 ? wPort1 : wPort2;
    } else if (wPort3 != 0 || wPort4 != 0) {
        sIP = sIP2;
        w = wPort3 != 0 ? wPort3 : wPort4;
    }
    in_addr a{};
    if (w == 0 || sIP.empty() || inet_pton(AF_INET, sIP.c_str(), &a) != 1) {
        sAdresse.clear();
        sAdresseKopie.clear();
        wPort = 0;
        return false;
    }
    if (a.s_addr == 0) {
        char acIP[MPI_V2_IP_PUFFER_LAENGE] = {};
        MPI_V2_GetIPAdresseNetzwerkkartePC(AdapterInstanzDesDialogs(), acIP);
        sIP = *acIP ? acIP : "127.0.0.1";
    }
    sAdresse = sIP;
    sAdresseKopie = sIP;
    wPort = w;
    return true;
}

uint32_t FortschrittSchritte(uint32_t dwMs)
{
    const uint32_t dwSchritte = dwMs / 100;
    return dwSchritte == 0 ? 2 : dwSchritte;
}

void FortschrittWarten(QWidget* pBesitzer, const std::string& sTitel, uint32_t dwMs)
{
    const uint32_t dwSchritte = FortschrittSchritte(dwMs);
    TDlgFortschritt* pDlg =
        CreateProgressDialog(pBesitzer, QString::fromStdString(sTitel), int(dwSchritte), nullptr);
    pDlg->show();
    for (uint32_t i = 0; i <= dwSchritte; ++i) {
        pDlg->SetPosition(int(i));
        Sleep(100);
    }
    delete pDlg;
}
