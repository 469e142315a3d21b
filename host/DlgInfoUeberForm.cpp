#include "DlgInfoUeberForm.h"

#include "Maske.h"
#include "PoolText.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDlgInfoUeber::TDlgInfoUeber(QWidget* pBesitzer) : QDialog(pBesitzer)
{
    setObjectName("DlgInfoUeber");
    setWindowTitle(QString::fromStdString(PoolText(6851)));
    resize(401, 457);

    lAppNameUndVersion = new QLabel(
        QString::fromStdString(TextFormatieren("%s %s", "%s%s", cProgrammName, cProgrammVersion)), this);
    lAppNameUndVersion->setObjectName("lAppNameUndVersion");
    lAppNameUndVersion->setAlignment(Qt::AlignCenter);
    QFont schrift = lAppNameUndVersion->font();
    schrift.setPointSize(schrift.pointSize() * 2);
    schrift.setBold(true);
    lAppNameUndVersion->setFont(schrift);

    bOk = new QPushButton(QString::fromStdString(PoolText(1014)), this);
    bOk->setObjectName("bOk");
    bOk->setDefault(true);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addStretch();
    pLayout->addWidget(lAppNameUndVersion);
    pLayout->addStretch();
    pLayout->addWidget(bOk, 0, Qt::AlignHCenter);
    connect(bOk, &QPushButton::clicked, this, &TDlgInfoUeber::bOkClick);
}

void TDlgInfoUeber::bOkClick()
{
    done(1);
}
