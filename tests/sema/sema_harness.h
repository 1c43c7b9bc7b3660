/*
** tests/sema/sema_harness.h
** The body-analysis harness of the semantic tests.
**
** run_harness parses a script and runs the unit and body analyses over
** it (see sema_harness_util.cc); it returns what was printed on standard
** error and the tables in an indented one-entry-a-line form.
*/
#ifndef ZRS_TEST_SEMA_HARNESS_H
#define ZRS_TEST_SEMA_HARNESS_H

#include "../../src/sema/sema_int.h"

#include <string>

struct HarnessRun {
    std::string messages;   /* standard error */
    std::string tables;     /* the global scope and its nested scopes */
};

void harness_start();
HarnessRun run_harness(const std::string &script, int trace = 0,
                       int instance_mode = 0, const char *instance = nullptr);

#endif
