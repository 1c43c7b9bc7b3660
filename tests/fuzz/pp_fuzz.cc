/*
** tests/fuzz/pp_fuzz.cc
** libFuzzer target for the C/C++ preprocessor.
**
** The input is handed over as a text, as the bridge hands the script's C
** fragments; the first byte picks K&R, ANSI or no restriction.  Reports
** are dropped: a fatal one returns to the preprocessor, which stops the
** text cleanly, so one process can run every input.
*/
#include "pp.h"
#include "report_hook.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void drop_report(int, const char *, const char *, const char *, int)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool started = false;
    if (!started) {
        init_intern_table();
        set_report_hook(drop_report);
        started = true;
    }
    if (size == 0)
        return 0;
    PpStartOptions options;
    options.kr = data[0] % 3 == 0;
    options.ansi = data[0] % 3 == 1;
    pp_start(options, TextList{"FUZZ=1", "F(x)=x"}, TextList(), nullptr);
    std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    text = text.c_str();   /* texts are C strings */
    std::string result;
    pp_process_text(text.c_str(), true, "fuzz.h", 1, result);
    pp_end();
    return 0;
}
