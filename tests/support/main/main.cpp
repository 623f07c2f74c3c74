#include "support/Pruebas.h"

int main(int argc, char **argv) { return Pruebas::ejecutaTodas(argc, argv); }
