#pragma once

#include <string>

// The whole program: single instance, start-up, main window, message loop.
// Returns the exit code (0). sProgrammordner "" = the folder of the program
// file; a test passes its own folder (and may have made the application
// object already).
int VeltranoAusfuehren(int argc, char** argv, const std::string& sProgrammordner = "");
