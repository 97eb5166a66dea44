#include <string>
#include <vector>

#include "run/program.h"

int main(int argc, char** argv) {
  return vortanex::runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
