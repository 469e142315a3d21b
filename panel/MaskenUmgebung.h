// What the panel objects and their property dialogs need of the window
// that holds them: the objects, the selection and the drag under way, the
// mode, the picture library and the dialog components. The main window
// implements it and registers itself while it exists; objects and dialogs
// made without a main window (tests of single objects) find none and then
// act on their own.
#pragma once

#include <QPoint>
#include <Qt>

#include <cstdint>
#include <string>

class QImage;
class QObject;
class QWidget;
class TMyObj;
struct TDateiDialog;
struct TFarbDialog;

class TMaskenUmgebung {
public:
    virtual ~TMaskenUmgebung() = default;

    // The window that owns the panel's dialogs and boxes, and the area the
    // objects lie on.
    virtual QWidget* pFenster() = 0;
    virtual QWidget* pArbeitsflaeche() = 0;

    // True in EDITOR mode, false in RUN.
    virtual bool bImEditorModus() const = 0;
    // Size of a new LED object.
    virtual int32_t iNeueLEDGroesse() const = 0;
    // The panel's objects in drawing order.
    virtual int32_t iObjektAnzahl() const = 0;
    virtual TMyObj* pObjektNr(int32_t i) const = 0;

    // The object under the pressed mouse button (null = none) and whether a
    // drag of it is under way.
    virtual TMyObj* pGetAktivesObjekt() const = 0;
    virtual void SetAktivesObjekt(TMyObj* pObj) = 0;
    virtual bool bZiehenLaeuft() const = 0;
    virtual void SetZiehen(bool bZiehen) = 0;
    // Screen position at the last drag step.
    virtual void SetLetzteCursorPos(const QPoint& pt) = 0;

    // Selection and editing.
    virtual void MarkierungAufheben() = 0;
    // Appends the object to the selection; true when it was selected before.
    virtual bool ObjektMarkieren(TMyObj* pObj) = 0;
    virtual void AuswahlVerschieben() = 0;
    virtual void FormMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) = 0;
    // The object's property dialog: 1 OK, 2 Cancel.
    virtual int32_t ObjektEigenschaftenDialog(TMyObj* pObj, bool bNeu) = 0;
    virtual void SetMaskeGeaendert(bool bGeaendert) = 0;

    // Pictures of the project folder: the library entry of a file (loaded
    // on first use) and the lookup of a picture name in the panel's folder.
    virtual QImage* pGetBildVonDatei(const std::string& cPfad) = 0;
    virtual bool bDateiImMaskenordner(const std::string& cName, std::string& cPfad) = 0;
    // The window's colour and picture file dialogs (null = none).
    virtual TFarbDialog* pFarbDialog() = 0;
    virtual TDateiDialog* pBildDateiDialog() = 0;
};

// The window that holds the panel; null while there is none.
extern TMaskenUmgebung* MaskenUmgebung;
