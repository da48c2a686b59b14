#pragma once

// What the build's generators share: reading a data file's CSV, stopping the build on a cell that
// does not read, and writing the generated source. Standard library only.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

[[noreturn]] inline void fail(const std::string &where, const std::string &why)
{
    std::cerr << where << ": " << why << '\n';
    std::exit(1);
}

using Row = std::vector<std::string>;

// A CSV of plain fields (no quoting: the data holds no commas); blank lines and lines starting
// with # are left out. Each row comes with its line number.
inline std::vector<std::pair<int, Row>> readCsv(const std::string &path)
{
    std::ifstream in(path);
    if (!in)
        fail(path, "cannot be read");
    std::vector<std::pair<int, Row>> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        Row row;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ','))
            row.push_back(field);
        if (line.back() == ',')
            row.emplace_back();
        rows.emplace_back(number, row);
    }
    if (rows.empty())
        fail(path, "has no header");
    return rows;
}

// A plain decimal without sign or exponent, as the tables write their values: "17.2", "4".
inline bool isNumber(const std::string &text)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    std::strtod(text.c_str(), &end);
    return *end == '\0' && text.find_first_not_of("0123456789.") == std::string::npos;
}

// Writes the generated text only when it differs from the file's, so that a data edit rebuilds
// only what it changes; false when the file cannot be written.
inline bool writeIfChanged(const std::string &path, const std::string &text)
{
    std::ifstream old(path);
    std::stringstream before;
    before << old.rdbuf();
    if (old && before.str() == text)
        return true;
    std::ofstream file(path);
    file << text;
    return file.good();
}
