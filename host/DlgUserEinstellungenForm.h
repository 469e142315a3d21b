// The user settings dialog: the projects folder, reopening the last panel
// at start, and copying the example projects.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TDlgUserEinstellungen : public QDialog {
    Q_OBJECT
public:
    explicit TDlgUserEinstellungen(QWidget* pBesitzer);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lPfad = nullptr;                     // the folder that OK takes
    QLabel* lPfadEinstellungNotwendig = nullptr;
    QPushButton* bPrjPfadWaehlen = nullptr;
    QCheckBox* cbLetzteMaskeLaden = nullptr;
    QCheckBox* cbBeispieleKopieren = nullptr;
    QLabel* lStatusAnzeige = nullptr;
    QPushButton* bOk = nullptr;
    QPushButton* bAbbruch = nullptr;
    QPushButton* bHilfe = nullptr;

    // Takes the folder and the settings and closes with 1, or refuses the
    // folder (text 1245, UserDir emptied) and stays open.
    void bOkClick();
    // The folder browser; the chosen folder gets "Veltrano-Prj/" unless it
    // is that folder already.
    void bPrjPfadWaehlenClick();
    void bHilfeClick();
    // Escape and the title bar close like the cancel button (2).
    void reject() override;

    // The projects folder for a folder chosen in the browser (with or
    // without a trailing '/'): the folder itself when its last component
    // is "Veltrano-Prj" in any letter case, else the folder +
    // "Veltrano-Prj/". Always with a trailing '/'.
    static std::string ProjektordnerAusWahl(const std::string& sGewaehlt);

private:
    static bool bOrdnerAnnehmbar(const std::string& sOrdner);
};
