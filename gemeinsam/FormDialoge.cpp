#include "FormDialoge.h"

#include "WinDialoge.h"

bool TFarbDialog::Execute(QWidget* pBesitzer) { return bFarbDialog(pBesitzer, Color); }

bool TDateiDialog::Execute(QWidget* pBesitzer)
{
    const std::string sStart = FileName.empty() ? InitialDir : FileName;
    const std::string sGewaehlt = bSpeichern ? DateiSpeichernDialog(pBesitzer, Title, Filter, sStart)
                                             : DateiOeffnenDialog(pBesitzer, Title, Filter, sStart, DefaultExt);
    if (sGewaehlt.empty()) return false;
    FileName = sGewaehlt;
    return true;
}
