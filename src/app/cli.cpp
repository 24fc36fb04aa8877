#include <iostream>

#include "app/cli_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return wavora::RunCli(arguments, std::cout, std::cerr);
}
