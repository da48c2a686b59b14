#include "cli/commandline.h"
#include "cli/guimodule.h"

int main(int argc, char *argv[])
{
    // A command runs on Qt Core alone, without any window or GUI platform (see
    // wantsCommandLine); the windows live in a module loaded only for them.
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    const GuiModule *gui = loadGuiModule();
    return gui ? gui->runWindows(argc, argv) : 1;
}
