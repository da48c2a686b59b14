#pragma once

#include "programs/programs.h"

#include <QString>

// A command line handed, as it came, to the program that has what it needs: that program is run
// in this process's place (exec), parses the arguments again with the same command table and
// runs them. It is handed over once: the program it goes to finds a mark in its environment,
// and should it not have the part either (a program variable naming the wrong file, a broken
// install), it says so instead of handing the line on again, so two programs can never hand one
// command line back and forth.

// Called first thing by every program: whether this run was handed over by another program,
// whose name the mark holds; the mark is taken out of the environment, so that the programs
// this one starts later are not taken for handed over.
void takeHandOverMark();

// Runs `program` for `part` in this process's place with argv as this program got it. Returns
// only when it cannot, with the reason in one line ("cannot start PATH: REASON", or that the
// line was handed over already).
QString handOver(Program program, ProgramPart part, char *argv[]);
