// Preloaded (LD_PRELOAD) into a command-line program by the take-off benchmark. When the program
// ends, it writes the CLOCK_MONOTONIC time in nanoseconds and the peak resident memory in kB
// to the file descriptor named by QUORVIT_PROBE_FD, so the end of a run is timed the same way
// for every program, with no change to the program.
#include "peakmemory.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace
{

__attribute__((destructor)) void reportAtExit()
{
    const char *fd = std::getenv("QUORVIT_PROBE_FD");
    if (!fd)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    dprintf(std::atoi(fd), "%lld %ld\n",
            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
            peakResidentKilobytes());
}

} // namespace
