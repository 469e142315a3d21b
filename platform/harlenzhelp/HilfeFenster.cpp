#include "HilfeFenster.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

THilfeFenster::THilfeFenster(const HilfeAufruf& aufruf, QWidget* pParent)
    : QMainWindow(pParent), bDeutsch(bHilfeDeutsch(aufruf)), sApp(QString::fromStdString(aufruf.sApp))
{
    setObjectName("HilfeFenster");
    Browser = new QTextBrowser(this);
    Browser->setObjectName("Browser");
    Browser->setOpenExternalLinks(true);
    setCentralWidget(Browser);

    QToolBar* pLeiste = addToolBar(Text(tHilfe));
    pLeiste->setObjectName("Werkzeugleiste");
    pLeiste->setMovable(false);
    aZurueck = pLeiste->addAction(Text(tZurueck));
    aZurueck->setObjectName("aZurueck");
    aZurueck->setShortcut(QKeySequence::Back);
    aZurueck->setEnabled(false);
    aVor = pLeiste->addAction(Text(tVor));
    aVor->setObjectName("aVor");
    aVor->setShortcut(QKeySequence::Forward);
    aVor->setEnabled(false);
    aInhalt = pLeiste->addAction(Text(tInhalt));
    aInhalt->setObjectName("aInhalt");
    aInhalt->setEnabled(false);

    // Closed from the keyboard as desktop viewers are: Escape and Ctrl+W.
    aSchliessen = new QAction(this);
    aSchliessen->setObjectName("aSchliessen");
    aSchliessen->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    aSchliessen->setShortcutContext(Qt::WindowShortcut);
    addAction(aSchliessen);
    connect(aSchliessen, &QAction::triggered, this, &QWidget::close);

    connect(aZurueck, &QAction::triggered, Browser, &QTextBrowser::backward);
    connect(aVor, &QAction::triggered, Browser, &QTextBrowser::forward);
    connect(aInhalt, &QAction::triggered, this, &THilfeFenster::InhaltZeigen);
    connect(Browser, &QTextBrowser::backwardAvailable, aZurueck, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, aVor, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl&) { TitelSetzen(); });

    resize(aufruf.iW && *aufruf.iW > 0 ? *aufruf.iW : 700, aufruf.iH && *aufruf.iH > 0 ? *aufruf.iH : 800);
    if (aufruf.iX || aufruf.iY) move(aufruf.iX.value_or(0), aufruf.iY.value_or(0));
    TitelSetzen();
}

QString THilfeFenster::Text(int iNr) const
{
    // The viewer is a program of its own beside the main program and does
    // not read its text pool; it carries its few texts in both languages.
    static const char* const deutsch[] = {"Zurück", "Vor", "Inhalt", "Hilfe",
                                          "Die Hilfeseite %1 ist nicht vorhanden.",
                                          "Es wurde keine Hilfeseite angegeben."};
    static const char* const englisch[] = {"Back", "Forward", "Contents", "Help",
                                           "The help page %1 does not exist.",
                                           "No help page was given."};
    if (iNr < 0 || iNr > tKeineSeite) return {};
    return QString::fromUtf8(bDeutsch ? deutsch[iNr] : englisch[iNr]);
}

bool THilfeFenster::bSeiteZeigen(const std::string& sPfad)
{
    QString s = QString::fromStdString(sPfad);
    QString sAnker;
    int iRaute = s.lastIndexOf('#');
    if (iRaute > 0 && !QFileInfo::exists(s)) {
        sAnker = s.mid(iRaute + 1);
        s.truncate(iRaute);
    }
    QFileInfo info(s);
    if (!info.isFile()) return false;
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!sAnker.isEmpty()) url.setFragment(sAnker);
    if (sInhaltsseite.isEmpty()) {
        QFileInfo inhalt(info.absoluteDir(), "index.htm");
        if (inhalt.isFile()) sInhaltsseite = inhalt.absoluteFilePath();
        aInhalt->setEnabled(!sInhaltsseite.isEmpty());
    }
    Browser->setSource(url);
    TitelSetzen();
    return true;
}

void THilfeFenster::InhaltZeigen()
{
    if (!sInhaltsseite.isEmpty()) Browser->setSource(QUrl::fromLocalFile(sInhaltsseite));
}

void THilfeFenster::TitelSetzen()
{
    QString sTitel = sApp.isEmpty() ? Text(tHilfe) : sApp + " - " + Text(tHilfe);
    QString sSeite = Browser ? Browser->documentTitle() : QString();
    if (!sSeite.isEmpty()) sTitel += ": " + sSeite;
    setWindowTitle(sTitel);
}
