// The general one-line text input dialog.
#pragma once

#include <QDialog>

#include <cstddef>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TDlgInputForm : public QDialog {
    Q_OBJECT
public:
    // pcPuffer (nGroesse bytes, zero-terminated) holds the preset text and
    // receives the input on OK. The input is held to what the buffer holds
    // (nGroesse - 1 bytes of UTF-8, cut at a character boundary).
    TDlgInputForm(QWidget* pBesitzer, const std::string& sTitel, const std::string& sPrompt,
                  char* pcPuffer, std::size_t nGroesse);

    QLabel* LabelPrompt = nullptr;
    QLineEdit* eText = nullptr;
    QPushButton* bAbbruch = nullptr;
    QPushButton* bOK = nullptr;

    // Copies the input into the caller's buffer and closes with 1.
    void bOKClick();
    // Escape and the title bar close like the cancel button (2).
    void reject() override;

    // The UTF-8 text of s, cut to at most nMaxBytes bytes without splitting
    // a character.
    static std::string Utf8Gekuerzt(const QString& s, std::size_t nMaxBytes);

private:
    void eTextChange(const QString& s);

    char* pcPuffer;
    std::size_t nMaxBytes;
};
