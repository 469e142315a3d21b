#pragma once
// The class library's own texts (standard file, folder and colour dialogs,
// the context menu of every text field) in the program's language: Qt's
// translation catalogue from Qt's translations folder.

// Qt's German texts for bDeutsch, Qt's English ones otherwise (the other
// languages of the programs have no catalogue here). Installed in the
// running application, replacing the one installed before; true when
// Qt's German catalogue is in place. Without an application, or without
// the catalogue on this system, Qt's English stays and the result is false.
bool bQtTexteEinstellen(bool bDeutsch);
