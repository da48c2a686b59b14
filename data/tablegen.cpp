// The build's table generator: reads the standards' data folders (standard.csv, types.csv and
// one table a flange type) and writes them out as constant C++ arrays, so that the program holds
// its tables as compiled data and reads nothing at start-up. Standard library only.
//
//     tablegen OUTPUT.cpp DATA_FOLDER...
//
// Any cell that does not read as its column says (a number in a length column, a listed rating,
// a whole DN, series A or B), a column no dimension has, a row repeated or a rule not known
// stops the build with the file, line and reason.

#include "data/datafiles.h"

#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace
{

struct DimensionColumn {
    const char *id;
    std::string column;
    bool text;
};

const std::vector<DimensionColumn> &dimensionColumns()
{
    static const std::vector<DimensionColumn> columns = {
#define DIMENSION(id, key, symbol, unit, name)                                                     \
    {#id, std::string(key) + (*unit ? std::string("_") + unit : std::string()),                    \
     std::string(#id) == "Bolt" || std::string(#id) == "BoltSize"},
#include "core/model/dimensions.def"
#undef DIMENSION
    };
    return columns;
}

// "1/2" → 2, "1-1/2" → 6, "4" → 16 (quarter inches); -1 for anything else.
int npsQuarters(const std::string &text)
{
    int whole = 0, numerator = 0, denominator = 1;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d-%d/%d%c", &whole, &numerator, &denominator, &rest) == 3 ||
        (whole = 0, std::sscanf(text.c_str(), "%d/%d%c", &numerator, &denominator, &rest) == 2) ||
        (numerator = 0, denominator = 1, std::sscanf(text.c_str(), "%d%c", &whole, &rest) == 1)) {
        if (denominator > 0 && 4 % denominator == 0 && whole >= 0 && numerator >= 0)
            return whole * 4 + numerator * (4 / denominator);
    }
    return -1;
}

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

struct Pool {
    std::string literal;
    std::map<std::string, std::size_t> offsets;
    std::size_t size = 0;
    std::size_t offset(const std::string &text)
    {
        const auto found = offsets.find(text);
        if (found != offsets.end())
            return found->second;
        offsets[text] = size;
        std::string piece = quoted(text);
        piece.insert(piece.size() - 1, "\\0");
        literal += "    " + piece + "\n";
        size += text.size() + 1;
        return offsets[text];
    }
};

const std::map<std::string, std::string> Kinds = {
    {"PL", "Plate"}, {"SO", "SlipOn"}, {"WN", "WeldNeck"}, {"BL", "Blind"}};
const std::map<std::string, std::string> AreaRules = {
    {"none", "None"}, {"plate_printed", "PlatePrinted"}, {"slipon_printed", "SlipOnPrinted"}};
const std::map<std::string, std::string> WeightRules = {{"none", "None"},
                                                        {"plate_printed", "PlatePrinted"},
                                                        {"slipon_printed", "SlipOnPrinted"},
                                                        {"weldneck_geometry", "WeldNeckGeometry"},
                                                        {"weldneck_on_pipe", "WeldNeckOnPipe"},
                                                        {"slipon_bored", "SlipOnBored"},
                                                        {"blind_solid", "BlindSolid"}};
const std::map<std::string, std::string> BoltingRules = {{"computed", "Computed"},
                                                         {"tabled", "Tabled"}};
const std::map<std::string, std::string> RatingColumns = {
    {"pn_mpa", "PnMpa"}, {"pn_bar", "PnBar"}, {"class", "Class"}};

std::string named(const std::map<std::string, std::string> &names, const std::string &name,
                  const std::string &where)
{
    const auto found = names.find(name);
    if (found == names.end())
        fail(where, "unknown name \"" + name + "\"");
    return found->second;
}

struct Generated {
    std::ostringstream arrays;
    std::ostringstream standards;
};

void generateTable(Generated &out, Pool &pool, const std::string &path, const std::string &prefix,
                   const std::string &ratingColumn, bool series)
{
    const auto rows = readCsv(path);
    const Row &header = rows[0].second;
    int ratingAt = -1, dnAt = -1, npsAt = -1, seriesAt = -1;
    std::vector<std::pair<int, const DimensionColumn *>> dimensions;
    for (int i = 0; i < int(header.size()); ++i) {
        const std::string &name = header[i];
        if (name == ratingColumn)
            ratingAt = i;
        else if (name == "dn")
            dnAt = i;
        else if (name == "nps")
            npsAt = i;
        else if (name == "series" && series)
            seriesAt = i;
        else {
            const DimensionColumn *column = nullptr;
            for (const DimensionColumn &c : dimensionColumns())
                if (c.column == name)
                    column = &c;
            if (!column)
                fail(path + ":1", "column \"" + name + "\" names no dimension");
            dimensions.emplace_back(i, column);
        }
    }
    if (ratingAt < 0 || dnAt < 0 || (series && seriesAt < 0))
        fail(path + ":1",
             "needs the columns " + ratingColumn + ", dn" + (series ? ", series" : ""));
    std::ostringstream keys, cells;
    std::set<std::string> seen;
    std::tuple<double, int, std::string> previous;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto &[line, row] = rows[r];
        const std::string where = path + ":" + std::to_string(line);
        if (row.size() != header.size())
            fail(where, std::to_string(row.size()) + " fields, the header has " +
                            std::to_string(header.size()));
        if (!isNumber(row[ratingAt]))
            fail(where, "the rating \"" + row[ratingAt] + "\" is no number");
        if (row[dnAt].empty() || row[dnAt].find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(row[dnAt]) > 32767)
            fail(where, "the DN \"" + row[dnAt] + "\" is no whole number");
        const int quarters = npsAt < 0 ? 0 : npsQuarters(row[npsAt]);
        if (quarters < 0)
            fail(where, "the NPS \"" + row[npsAt] + "\" is no inch size");
        if (seriesAt >= 0 && row[seriesAt] != "A" && row[seriesAt] != "B")
            fail(where, "the series \"" + row[seriesAt] + "\" is neither A nor B");
        const std::string key =
            row[ratingAt] + "/" + row[dnAt] + "/" + (seriesAt >= 0 ? row[seriesAt] : std::string());
        if (!seen.insert(key).second)
            fail(where, "a second row for " + key);
        // Rating, then DN, then series ascending: the program finds a row by halving.
        const auto order = std::tuple(std::stod(row[ratingAt]), std::stoi(row[dnAt]),
                                      seriesAt >= 0 ? row[seriesAt] : std::string());
        if (r > 1 && !(previous < order))
            fail(where, "out of order: rows go by rating, then DN, then series");
        previous = order;
        keys << "    {{RatingSystem::" << RatingColumns.at(ratingColumn) << ", " << row[ratingAt]
             << "}, {" << row[dnAt] << ", " << quarters << "}, "
             << (seriesAt >= 0 ? "PipeSeries::" + row[seriesAt] : std::string("std::nullopt"))
             << "},\n";
        cells << "   ";
        for (const auto &[at, column] : dimensions) {
            const std::string &cell = row[at];
            if (cell.empty()) {
                cells << " {0, TableCell::NoText},";
                continue;
            }
            if (!column->text && !isNumber(cell))
                fail(where, "\"" + cell + "\" in " + column->column + " is no number");
            cells << " {" << (column->text ? std::string("0") : cell) << ", " << pool.offset(cell)
                  << "},";
        }
        cells << "\n";
    }
    out.arrays << "constexpr Dimension " << prefix << "Columns[] = {";
    for (const auto &[at, column] : dimensions)
        out.arrays << "Dimension::" << column->id << ", ";
    out.arrays << "};\nconstexpr TableRowKey " << prefix << "Keys[] = {\n"
               << keys.str() << "};\nconstexpr TableCell " << prefix << "Cells[] = {\n"
               << cells.str() << "};\n";
}

// A table beside the flange tables (pipe walls, gaskets, names), compiled as it stands: its
// column names and cells, a number where the cell reads as one, an empty cell without value.
void generateSideTable(Generated &out, Pool &pool, const std::string &path,
                       const std::string &prefix)
{
    const auto rows = readCsv(path);
    const Row &header = rows[0].second;
    out.arrays << "constexpr const char *" << prefix << "Columns[] = {";
    for (const std::string &name : header)
        out.arrays << quoted(name) << ", ";
    out.arrays << "};\nconstexpr TableCell " << prefix << "Cells[] = {\n";
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto &[line, row] = rows[r];
        if (row.size() != header.size())
            fail(path + ":" + std::to_string(line), std::to_string(row.size()) +
                                                        " fields, the header has " +
                                                        std::to_string(header.size()));
        out.arrays << "   ";
        for (const std::string &cell : row)
            out.arrays << " {" << (isNumber(cell) ? cell : std::string("0")) << ", "
                       << (cell.empty() ? std::string("TableCell::NoText")
                                        : std::to_string(pool.offset(cell)))
                       << "},";
        out.arrays << "\n";
    }
    out.arrays << "};\n";
}

void generateStandard(Generated &out, const std::string &folder, int index)
{
    std::map<std::string, std::string> fields;
    for (const auto &[line, row] : readCsv(folder + "/standard.csv"))
        if (row.size() == 2 && line > 1)
            fields[row[0]] = row[1];
    for (const char *needed : {"id", "name", "edition", "title", "rating", "series"})
        if (!fields.count(needed))
            fail(folder + "/standard.csv", std::string("no ") + needed);
    const std::string rating = fields["rating"];
    named(RatingColumns, rating, folder + "/standard.csv");
    const bool series = fields["series"] == "A B";
    if (!series && fields["series"] != "none")
        fail(folder + "/standard.csv", "series is \"A B\" or \"none\"");

    Pool pool;
    std::ostringstream tables;
    const auto types = readCsv(folder + "/types.csv");
    for (std::size_t t = 1; t < types.size(); ++t) {
        const auto &[line, row] = types[t];
        const std::string where = folder + "/types.csv:" + std::to_string(line);
        if (row.size() != 7)
            fail(where, "type,standard_number,table,area,weight,bolting,facing");
        if (row[6] != "RF" && row[6] != "FF" && row[6] != "MFM" && row[6] != "TG" && row[6] != "RJ")
            fail(where, "the facing \"" + row[6] + "\" is none of RF, FF, MFM, TG, RJ");
        const std::string prefix = "S" + std::to_string(index) + row[0];
        const std::string kind = named(Kinds, row[0], where);
        generateTable(out, pool, folder + "/" + row[2], prefix, rating, series);
        tables << "    {FlangeKind::" << kind << ", " << quoted(row[1]) << ", " << quoted(row[6])
               << ", AreaRule::" << named(AreaRules, row[3], where)
               << ", WeightRule::" << named(WeightRules, row[4], where)
               << ", BoltingRule::" << named(BoltingRules, row[5], where) << ", " << prefix
               << "Columns, " << prefix << "Keys, " << prefix << "Cells},\n";
    }
    const std::string s = "S" + std::to_string(index);
    std::ostringstream sides;
    std::stringstream sideFiles(fields["side_tables"]);
    for (std::string file; sideFiles >> file;) {
        const std::string prefix = s + "Side" + file.substr(0, file.find('.'));
        generateSideTable(out, pool, folder + "/" + file, prefix);
        sides << "    {" << quoted(file.substr(0, file.find('.'))) << ", " << prefix << "Columns, "
              << prefix << "Cells},\n";
    }
    if (!sides.str().empty())
        out.arrays << "constexpr SideTable " << s << "Sides[] = {\n" << sides.str() << "};\n";
    out.arrays << "constexpr FlangeTable " << s << "Tables[] = {\n"
               << tables.str() << "};\nconstexpr char " << s << "Texts[] =\n"
               << pool.literal << "    \"\";\n";
    out.standards << "    {" << quoted(fields["id"]) << ", " << quoted(fields["name"]) << ", "
                  << quoted(fields["edition"]) << ", " << quoted(fields["title"])
                  << ", RatingSystem::" << RatingColumns.at(rating) << ", "
                  << (series ? "true" : "false") << ", " << s << "Tables, " << s << "Texts, "
                  << quoted(fields["equivalent"]) << ", "
                  << (sides.str().empty() ? std::string("{}") : s + "Sides") << "},\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        fail("tablegen", "usage: tablegen OUTPUT.cpp DATA_FOLDER...");
    Generated out;
    for (int i = 2; i < argc; ++i)
        generateStandard(out, argv[i], i - 2);
    std::ostringstream text;
    text << "// Generated by data/tablegen.cpp from the data folders: edit those, not this.\n"
         << "#include \"core/model/standard.h\"\n\nnamespace\n{\n\n// clang-format off\n"
         << out.arrays.str() << "constexpr Standard Standards[] = {\n"
         << out.standards.str() << "};\n// clang-format on\n\n} // namespace\n\n"
         << "std::span<const Standard> builtInStandards()\n{\n    return Standards;\n}\n";
    // Written only when it changes, so that a data edit rebuilds one file.
    return writeIfChanged(argv[1], text.str()) ? 0 : 1;
}
