// Functions that the main window calls and whose owners' units are not in
// the tree yet. The owner moves the declaration into the unit's own header
// (this file then includes that header) and removes the empty definition
// from Nahtstellen.cpp.
#pragma once

#include <string>
#include <vector>

#include "IPDaten.h"
#include "ListenSockets.h"

