// Netzplan: the network presets program of the engine.
#include "Netzplan.h"

int main(int argc, char** argv) { return NetzplanAusfuehren(argc, argv); }
