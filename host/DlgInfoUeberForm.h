// The about box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TDlgInfoUeber : public QDialog {
    Q_OBJECT
public:
    explicit TDlgInfoUeber(QWidget* pBesitzer);

    QLabel* lAppNameUndVersion = nullptr;
    QPushButton* bOk = nullptr;

    void bOkClick();
};
