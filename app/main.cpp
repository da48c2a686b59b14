#include "cli/commandline.h"
#include "cli/guimodule.h"

namespace
{

// The windows and painting live in a module loaded only when the command line asks for them.
const ProgramParts moduleParts{
    [](int &argc, char **argv, const std::optional<QString> &startWindow,
       const LanguageChoice &language) {
        const GuiModule *gui = loadGuiModule();
        return gui ? gui->runWindows(argc, argv, startWindow, language) : 1;
    },
    [](int &argc, char **argv) {
        const GuiModule *gui = loadGuiModule();
        return gui ? gui->makePaintingApplication(argc, argv) : nullptr;
    }};

} // namespace

int main(int argc, char *argv[])
{
    return runCommandLine(argc, argv, moduleParts);
}
