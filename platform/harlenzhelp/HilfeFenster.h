// The window of the help viewer: a text browser over the help pages, with
// back, forward and contents.
#pragma once

#include "HilfeKommandozeile.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QTextBrowser;

class THilfeFenster : public QMainWindow {
    Q_OBJECT
public:
    explicit THilfeFenster(const HilfeAufruf& aufruf, QWidget* pParent = nullptr);

    // Shows the page (a file path, optionally with "#anchor"). False when
    // the file does not exist; the window then keeps what it showed.
    bool bSeiteZeigen(const std::string& sPfad);

    // The viewer's own texts in its language.
    QString Text(int iNr) const;

    QTextBrowser* Browser = nullptr;
    QAction* aZurueck = nullptr;
    QAction* aSchliessen = nullptr;   // Escape, Ctrl+W
    QAction* aVor = nullptr;
    QAction* aInhalt = nullptr;

    // Text numbers of Text().
    enum { tZurueck, tVor, tInhalt, tHilfe, tSeiteFehlt, tKeineSeite };

private:
    void TitelSetzen();
    void InhaltZeigen();

    bool bDeutsch;
    QString sApp;
    QString sInhaltsseite;   // index.htm beside the first page shown
};
