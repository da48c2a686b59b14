#include "cli/commandline.h"
#include "cli/guimodule.h"
#include "translations/language.h"

int main(int argc, char *argv[])
{
    // `--lang` goes for the command line and the windows alike, wherever it stands.
    const LanguageChoice language = takeLanguageChoice(argc, argv);
    // A command runs on Qt Core alone, without any window or GUI platform (see
    // wantsCommandLine); the windows live in a module loaded only for them.
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv, language);
    const GuiModule *gui = loadGuiModule();
    return gui ? gui->runWindows(argc, argv, language) : 1;
}
