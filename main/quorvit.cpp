// quorvit: the command line on Qt Core alone; what needs more it hands to quorvit-gui.
#include "cli/commandline.h"

int main(int argc, char *argv[])
{
    return runCommandLine(argc, argv, ProgramParts{});
}
