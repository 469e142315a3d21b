#include "DlgFortschrittu.h"

#include "WinMeldung.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TDlgFortschritt::TDlgFortschritt(QWidget* pBesitzer, const QString& sTitel, int iSchritte,
                                 TFortschrittJob pJob)
    : QDialog(pBesitzer), m_pJobBesitzer(pBesitzer), m_pJob(pJob)
{
    setObjectName("DlgFortschritt");
    setFixedSize(410, 99);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFixedHeight(49);
    Label1->setWordWrap(true);
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ButtonAbbruch = new QPushButton("&Abbruch", this);
    ButtonAbbruch->setObjectName("ButtonAbbruch");
    ButtonAbbruch->setVisible(false);
    pLayout->addWidget(Label1);
    pLayout->addWidget(ProgressBar);
    pLayout->addStretch();
    pLayout->addWidget(ButtonAbbruch, 0, Qt::AlignHCenter);
    connect(ButtonAbbruch, &QPushButton::clicked, this, &TDlgFortschritt::ButtonAbbruchClick);

    ProgressBar->setRange(0, iSchritte);
    ProgressBar->setValue(0);
    setWindowTitle(sTitel);
    m_iJobArgument = -1;
    Label1->setText(QString());
    Label1->repaint();
    // At the centre of the main form.
    if (QWidget* pHaupt = pBesitzer ? pBesitzer->window() : nullptr)
        move(pHaupt->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TDlgFortschritt::SetPosition(int iWert)
{
    ProgressBar->setValue(iWert);
    // The caller sleeps between steps and handles no messages: draw now.
    ProgressBar->repaint();
}

void TDlgFortschritt::FormPaint()
{
    if (!m_bErstesZeichnen)
        return;
    m_bErstesZeichnen = false;
    if (!m_pJob)
        return;
    // Run right after this paint has finished (a repaint from inside the
    // paint would recurse).
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaint();
            m_pJob(m_pJobBesitzer, this, m_iJobArgument);
            done(IDOK);
        },
        Qt::QueuedConnection);
}

void TDlgFortschritt::ButtonAbbruchClick()
{
    done(IDCANCEL);
}

void TDlgFortschritt::paintEvent(QPaintEvent* pEreignis)
{
    QDialog::paintEvent(pEreignis);
    FormPaint();
}

TDlgFortschritt* CreateProgressDialog(QWidget* pBesitzer, const QString& sTitel, int iSchritte,
                                      TFortschrittJob pJob)
{
    return new TDlgFortschritt(pBesitzer, sTitel, iSchritte, pJob);
}
