// Veltrano: the soft-PLC host with its panel.
#include "VeltranoStart.h"

int main(int argc, char** argv) { return VeltranoAusfuehren(argc, argv); }
