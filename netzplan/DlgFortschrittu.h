// The small progress window of the presets program: a caption, a bold text
// line, a bar from 0 to a step count and a hidden cancel button.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class TDlgFortschritt;

// A job that the window runs once at its first paint (owner, window, -1).
using TFortschrittJob = void (*)(QWidget* pBesitzer, TDlgFortschritt* pDialog, int iArgument);

class TDlgFortschritt : public QDialog {
    Q_OBJECT
public:
    TDlgFortschritt(QWidget* pBesitzer, const QString& sTitel, int iSchritte, TFortschrittJob pJob);

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* ButtonAbbruch = nullptr;

    // The bar's position.
    void SetPosition(int iWert);
    bool bErstesZeichnen() const { return m_bErstesZeichnen; }

    void FormCreate() {}
    void FormActivate() {}
    void FormPaint();
    void ButtonAbbruchClick();

protected:
    void paintEvent(QPaintEvent* pEreignis) override;

private:
    bool m_bErstesZeichnen = true;
    QWidget* m_pJobBesitzer = nullptr;
    int m_iJobArgument = -1;
    TFortschrittJob m_pJob = nullptr;
};

TDlgFortschritt* CreateProgressDialog(QWidget* pBesitzer, const QString& sTitel, int iSchritte,
                                      TFortschrittJob pJob);
