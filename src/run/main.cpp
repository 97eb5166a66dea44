#include "run/program.h"

int main() { return vortanex::runProgram(); }
