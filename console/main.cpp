// matcalc: drives a calculator's command handler through a simulated dialog
// and prints the message boxes it shows.
#include <iostream>

#include "run_matcalc.h"

int main(int argc, char** argv) {
  return matcalc::console::runMatcalc({argv + 1, argv + argc}, std::cout, std::cerr);
}
