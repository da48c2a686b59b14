#include "app/windowsapplication.h"
#include "cli/commandline.h"

int main(int argc, char *argv[])
{
    // A command runs without any window or GUI platform; see wantsCommandLine.
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    return runWindowsApplication(argc, argv);
}
