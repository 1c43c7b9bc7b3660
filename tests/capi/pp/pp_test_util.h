/*
** tests/capi/pp/pp_test_util.h
** Helpers for the preprocessor tests: a capturing report hook, a run of
** one text, and the token view of an output (markers dropped).
*/
#ifndef ZRS_TEST_PP_TEST_UTIL_H
#define ZRS_TEST_PP_TEST_UTIL_H

#include "pp.h"

#include <string>
#include <vector>

struct CapturedReport {
    int severity;
    std::string code, text, file;
    int line;
};

struct PpRun {
    std::string out;                      /* raw output */
    std::vector<CapturedReport> reports;
    int errors = 0;

    std::string tokens() const;           /* output tokens, one blank apart */
    bool has(const char *code) const;
    const CapturedReport *find(const char *code) const;
    std::string codes() const;            /* "CODE CODE ..." in order */
};

/* Starts the preprocessor and processes `text` as file "t.c" line 1. */
PpRun pp_run(const std::string &text, const TextList &defines = {},
             const TextList &dirs = {}, PpStartOptions options = {});

/* Splits preprocessed text into C tokens, skipping line markers and
** "#pragma once" lines. */
std::vector<std::string> c_tokens(const std::string &text);

#endif
