// The main window's colour and file dialog components, which the object
// property dialogs borrow so that a folder chosen once is offered again.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

// Stand-in of the form's colour dialog component, borrowed by the object
// property dialogs. Execute goes through the scriptable dialog module.
struct TFarbDialog {
    uint32_t Color = 0;   // 0x00BBGGRR
    bool Execute(QWidget* pBesitzer);
};

// Stand-in of the form's file dialog components (open picture, open panel,
// save panel). Filter in the form "Description|*.ext".
struct TDateiDialog {
    bool bSpeichern = false;
    std::string Title;
    std::string Filter;
    std::string InitialDir;
    std::string FileName;
    std::string DefaultExt;   // completes a name chosen without extension
    bool Execute(QWidget* pBesitzer);
};
