/*
** src/driver/main.cc
** Process entry: the whole run is `run_compiler`.
*/
#include "driver.h"

int main(int argc, char **argv)
{
    run_compiler(argc, argv);
}
