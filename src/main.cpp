#include "app/program.h"

int main(int argc, char** argv) { return mirvel::RunProgram(argc, argv); }
