/*
** src/support/runinfo.cc
** The run's date text and generation id.
**
** The generated files record when and by which process they were made.
** When SOURCE_DATE_EPOCH is set, the date comes from it (in UTC) and the
** generation id is 0, so that two runs on the same input give identical
** files.  The clock is read once per run so every user sees one instant.
*/
#include "support.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

struct RunClock {
    bool ready = false;
    bool reproducible = false;
    struct tm broken_down {};
    char text[64] = "";
};

RunClock run_clock;

/* A valid epoch is a non-empty string of decimal digits. */
bool epoch_from_environment(time_t *when)
{
    const char *value = getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value)
        return false;
    char *end = nullptr;
    long long seconds = strtoll(value, &end, 10);
    if (*end != '\0' || seconds < 0)
        return false;
    *when = static_cast<time_t>(seconds);
    return true;
}

void read_clock()
{
    if (run_clock.ready)
        return;
    time_t when;
    run_clock.reproducible = epoch_from_environment(&when);
    if (run_clock.reproducible) {
        gmtime_r(&when, &run_clock.broken_down);
    } else {
        when = time(nullptr);
        localtime_r(&when, &run_clock.broken_down);
    }
    /* asctime_r gives the ctime layout; drop its final newline. */
    char buffer[64] = "";
    if (!asctime_r(&run_clock.broken_down, buffer))
        strcpy(buffer, "???");
    size_t length = strlen(buffer);
    if (length > 0 && buffer[length - 1] == '\n')
        buffer[length - 1] = '\0';
    strcpy(run_clock.text, buffer);
    run_clock.ready = true;
}

} // namespace

const char *current_time_text()
{
    read_clock();
    return run_clock.text;
}

struct tm run_broken_down_time()
{
    read_clock();
    return run_clock.broken_down;
}

long run_generation_id()
{
    read_clock();
    return run_clock.reproducible ? 0 : static_cast<long>(getpid());
}
