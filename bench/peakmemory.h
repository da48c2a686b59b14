#pragma once

#include <cstdio>
#include <cstring>

// The peak resident memory of this process so far, in kB (VmHWM of /proc/self/status). Unlike
// the ru_maxrss a parent gets from wait4(), it does not count the memory of the process that
// started this one, which fork and exec carry over.
inline long peakResidentKilobytes()
{
    long kilobytes = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::sscanf(line + 6, "%ld", &kilobytes);
        std::fclose(status);
    }
    return kilobytes;
}
