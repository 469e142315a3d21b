// harlenzhelp: the help viewer of the programs. It shows the page named by
// /Show= or by the registry value "HelpFile" and follows its links.
#include "HilfeFenster.h"

#include "WinMeldung.h"
#include "WinProzess.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::string sZeile;
    for (int i = 1; i < argc; ++i) {
        if (!sZeile.empty()) sZeile += ' ';
        sZeile += argv[i];
    }
    HilfeAufruf aufruf = HilfeKommandozeileLesen(sZeile);
    std::string sSeite = HilfeSeiteErmitteln(aufruf);

    THilfeFenster fenster(aufruf);
    const std::string sTitel = fenster.windowTitle().toStdString();
    if (sSeite.empty()) {
        MessageBoxA(nullptr, fenster.Text(THilfeFenster::tKeineSeite).toStdString(), sTitel,
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    if (bIstWebAdresse(sSeite)) return ShellExecuteOeffnen(sSeite) ? 0 : 1;
    if (!fenster.bSeiteZeigen(sSeite)) {
        MessageBoxA(nullptr,
                    fenster.Text(THilfeFenster::tSeiteFehlt).arg(QString::fromStdString(sSeite)).toStdString(),
                    sTitel, MB_OK | MB_ICONERROR);
        return 1;
    }
    fenster.show();
    return app.exec();
}
