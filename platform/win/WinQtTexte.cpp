// Qt's own texts in the program's language.
#include "WinQtTexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Owned by the application, so it goes with it; a later application gets
// a new one.
QPointer<QTranslator> g_pQtTexte;

} // namespace

bool bQtTexteEinstellen(bool bDeutsch)
{
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp)
        return false;
    if (!bDeutsch) {
        if (g_pQtTexte)
            QCoreApplication::removeTranslator(g_pQtTexte);
        delete g_pQtTexte;
        return false;
    }
    if (g_pQtTexte)
        return true;
    auto* pTexte = new QTranslator(pApp);
    if (!pTexte->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete pTexte;
        return false;
    }
    QCoreApplication::installTranslator(pTexte);
    g_pQtTexte = pTexte;
    return true;
}
