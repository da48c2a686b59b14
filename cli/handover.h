#pragma once

#include <QString>

// Runs the program at `path` (exports/programpaths.h) in this process's place with the same
// arguments (argv as this program got it), to parse and run them again with the same command
// table. Returns only when it cannot, after a one-line reason on stderr, with exit code 1.
int handOver(const QString &path, char *argv[]);
