// Benchmarks of Quorvit, run by hand (README, "Performance"):
// - row lookups of the three tables and the query procedures without widgets;
// - a full "查找" through a real window against writing the same texts into the same boxes, and
//   a paste of a megabyte into a box;
// - the first show of each query window (creation, load step, painting) with and without its
//   drawing, and the one-time parse of each drawing;
// - start-up to the main menu painted, against a bare Qt program with six buttons: both started
//   as processes in turn in the same run, with the peak memory of each;
// - start-up of a command (`quorvit lookup`) to its exit, against a bare Qt Core program that
//   prints one line, both started in turn;
// - a take-off of a generated list of a million lines, against a bare program that reads and
//   splits the same list with the same reader, both started as processes in turn;
// - the first show of each query window in a fresh process, with and without its drawing;
// - the print preview of a take-off of 2,000 to a million lines;
// - take-offs of hostile lists (thousands of equal column names, workbooks of a row of millions
//   of cells or of millions of empty shared strings), in time and peak memory.
#include "app/windows.h"
#include "catalogue/flangeinput.h"
#include "catalogue/query/platequery.h"
#include "catalogue/query/sliponquery.h"
#include "catalogue/query/weldneckquery.h"
#include "core/model/tablerow.h"
#include "peakmemory.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/takeoff/takeofftablemodel.h"
#include "windows/takeoff/takeoffwindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace
{

// What the benchmarks need of one query window: how to make it, its query, where the DN is
// typed, and a pressure (list row) under which both benchmark DNs are listed.
struct QueryWindowKind {
    const char *name;
    std::function<QueryWindow *()> create;
    QueryProcedure query;
    int dnBox;
    int pressure; // the row of the pressure list
    const char *drawing;
    FlangeKind flangeKind;
};

const std::array<QueryWindowKind, 3> kinds = {{
    {"FormPL", [] { return new PlateFlangeWindow; }, runPlateQuery, PlateBox::Dn, 2,
     ":/drawings/plate.svg", FlangeKind::Plate},
    {"FormSO", [] { return new SlipOnFlangeWindow; }, runSlipOnQuery, 1, 1, ":/drawings/slipon.svg",
     FlangeKind::SlipOn},
    {"FormWN", [] { return new WeldNeckFlangeWindow; }, runWeldNeckQuery, WeldNeckBox::Dn, 0,
     ":/drawings/weldneck.svg", FlangeKind::WeldNeck},
}};

// Two DNs typed in turn, so every press writes texts that differ from what the boxes hold.
const std::array<QString, 2> typedDns = {QStringLiteral("100"), QStringLiteral("200")};

// Every standard DN, listed or not, against every pressure of each kind (and one past the end).
const std::vector<NominalDiameter> standardDns = {
    10,  15,  20,  25,  32,  40,  50,  65,  80,  100,  125,  150,  175,  200,  225,  250,
    300, 350, 400, 450, 500, 600, 700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000, 3};

void lookups(benchmark::State &state, FlangeKind kind)
{
    const Standard &standard = defaultStandard();
    QList<Rating> ratings = tableRatings(*flangeTable(standard, kind));
    ratings.append({RatingSystem::PnMpa, 99}); // one the kind does not list
    std::int64_t found = 0;
    for (auto _ : state) {
        for (const Rating &rating : ratings)
            for (NominalDiameter dn : standardDns) {
                const auto row = findRow({&standard, kind, rating, {dn}, PipeSeries::A, {}});
                benchmark::DoNotOptimize(row);
                found += row.has_value();
            }
    }
    state.SetItemsProcessed(state.iterations() * ratings.size() * qsizetype(standardDns.size()));
    state.counters["found"] = double(found) / double(state.iterations());
}

void BM_LookupPlate(benchmark::State &state)
{
    lookups(state, FlangeKind::Plate);
}
void BM_LookupSlipOn(benchmark::State &state)
{
    lookups(state, FlangeKind::SlipOn);
}
void BM_LookupWeldNeck(benchmark::State &state)
{
    lookups(state, FlangeKind::WeldNeck);
}
BENCHMARK(BM_LookupPlate);
BENCHMARK(BM_LookupSlipOn);
BENCHMARK(BM_LookupWeldNeck);

// The query procedure alone, from boxes holding their design-time blank and a typed DN.
void BM_QueryProcedure(benchmark::State &state, const QueryWindowKind &kind)
{
    qsizetype i = 0;
    for (auto _ : state) {
        const QString &dn = typedDns[i++ % typedDns.size()];
        QueryRun run([&](int box) { return box == kind.dnBox ? dn : QStringLiteral(" "); });
        kind.query(run, listedRatings(kind.flangeKind).value(kind.pressure), PipeSeries::A);
        benchmark::DoNotOptimize(run.steps().data());
        if (!run.messages().isEmpty()) {
            state.SkipWithError("the benchmark DN is not listed");
            break;
        }
    }
}

// A shown window with a pressure and series A selected.
std::unique_ptr<QueryWindow> preparedWindow(const QueryWindowKind &kind)
{
    std::unique_ptr<QueryWindow> window(kind.create());
    window->findChild<QListWidget *>("List1")->setCurrentRow(kind.pressure);
    window->findChild<QListWidget *>("List2")->setCurrentRow(int(PipeSeries::A));
    window->show();
    QCoreApplication::processEvents();
    return window;
}

// Type the DN, click "查找" and let the window repaint: the button's press and release, reading
// the boxes, the query, writing its texts, painting them.
void BM_FindThroughWindow(benchmark::State &state, const QueryWindowKind &kind)
{
    const std::unique_ptr<QueryWindow> window = preparedWindow(kind);
    QLineEdit *dnBox = window->box(kind.dnBox);
    auto *find = window->findChild<QPushButton *>("Command1");
    qsizetype i = 0;
    for (auto _ : state) {
        dnBox->setText(typedDns[i++ % typedDns.size()]);
        QTest::mouseClick(find, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
}

// The yardstick of the above: type the DN, write the texts that "查找" writes into the same
// boxes, and let the window repaint them.
void BM_WriteSameTexts(benchmark::State &state, const QueryWindowKind &kind)
{
    const std::unique_ptr<QueryWindow> window = preparedWindow(kind);
    QLineEdit *dnBox = window->box(kind.dnBox);

    struct Write {
        QLineEdit *box;
        QString text;
    };
    std::array<std::vector<Write>, typedDns.size()> writes;
    for (std::size_t d = 0; d < typedDns.size(); ++d) {
        dnBox->setText(typedDns[d]);
        QueryRun run([&](int n) { return window->box(n) ? window->box(n)->text() : QString(); });
        kind.query(run, listedRatings(kind.flangeKind).value(kind.pressure), PipeSeries::A);
        for (const QueryStep &step : run.steps())
            writes[d].push_back({window->box(step.box), step.text});
    }

    qsizetype i = 0;
    for (auto _ : state) {
        const std::size_t d = i++ % typedDns.size();
        dnBox->setText(typedDns[d]);
        for (const Write &write : writes[d])
            write.box->setText(write.text);
        QCoreApplication::processEvents();
    }
}

// Paste a megabyte of digits into the DN box with Ctrl+V and let the window repaint; the box
// keeps what fits its maximum length, and its text is fitted into view. Emptied between pastes
// (not timed).
void BM_PasteMegabyte(benchmark::State &state, const QueryWindowKind &kind)
{
    const std::unique_ptr<QueryWindow> window = preparedWindow(kind);
    QLineEdit *dnBox = window->box(kind.dnBox);
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    dnBox->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        dnBox->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(dnBox, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    if (dnBox->text().size() != dnBox->maxLength())
        state.SkipWithError("the paste did not arrive");
}

// Counts the paint events of one widget.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Create the window (controls and load step), show it and let it paint, as the menu's button
// does. Without its drawing, the picture control is hidden before the show.
void BM_FirstShow(benchmark::State &state, const QueryWindowKind &kind, bool withDrawing)
{
    for (auto _ : state) {
        QWidget *window = kind.create();
        PaintCounter windowPaints;
        PaintCounter drawingPaints;
        window->installEventFilter(&windowPaints);
        QWidget *drawing = window->findChild<QWidget *>("Image1");
        drawing->installEventFilter(&drawingPaints);
        if (!withDrawing)
            drawing->hide();
        window->show();
        QCoreApplication::processEvents();

        state.PauseTiming();
        const bool painted = windowPaints.count > 0 && (drawingPaints.count > 0) == withDrawing;
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
        if (!painted) {
            state.SkipWithError("the window did not paint as expected");
            break;
        }
    }
}

// Reading one drawing, which the program does once per run.
void BM_ParseDrawing(benchmark::State &state, const QueryWindowKind &kind)
{
    for (auto _ : state) {
        QSvgRenderer renderer(QString::fromLatin1(kind.drawing));
        if (!renderer.isValid()) {
            state.SkipWithError("the drawing did not load");
            break;
        }
    }
}

// A started process: what it reported on descriptor 3 (a CLOCK_MONOTONIC time or a duration,
// in ns, then its peak resident memory in kB), and when it was started.
struct Child {
    double reported = 0;
    double started = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Starts the program headless with the extra environment, waits (at most a minute) for its
// report on descriptor 3, then for the end of the process.
Child runChild(const std::vector<std::string> &argv,
               const std::vector<std::string> &extraEnvironment)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return {};

    std::vector<std::string> settings;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!entry.starts_with("LD_PRELOAD=") && !entry.starts_with("QT_QPA_PLATFORM=") &&
            !entry.starts_with("QUORVIT_PROBE_FD="))
            settings.push_back(entry);
    }
    settings.push_back("QT_QPA_PLATFORM=offscreen");
    settings.insert(settings.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char *> envp;
    for (std::string &entry : settings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    Child child;
    child.started = monotonicSeconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        close(report[0]);
        return {};
    }

    char line[64] = {};
    pollfd readable{report[0], POLLIN, 0};
    ssize_t got = 0;
    if (poll(&readable, 1, 60000) == 1)
        got = read(report[0], line, sizeof line - 1);
    close(report[0]);
    if (got <= 0)
        kill(pid, SIGKILL);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    long long reported = 0;
    long peakKilobytes = 0;
    if (got <= 0 || std::sscanf(line, "%lld %ld", &reported, &peakKilobytes) != 2)
        return {};
    child.reported = double(reported) * 1e-9;
    child.peakMegabytes = double(peakKilobytes) / 1024.0;
    child.ok = true;
    return child;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Two ways of doing one thing, each in fresh processes, started in turn (alternating which goes
// first) so both see the same machine. The benchmark's time is the first way's; the counters
// hold both medians (ms and peak MB) and their ratios.
using Measure = std::function<Child()>;
void inTurn(benchmark::State &state, const Measure (&ways)[2], const char *(&names)[2],
            bool reportsDuration)
{
    std::vector<double> seconds[2];
    std::vector<double> megabytes[2];
    int round = 0;
    for (auto _ : state) {
        Child runs[2];
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            runs[which] = ways[which]();
        }
        ++round;
        if (!runs[0].ok || !runs[1].ok) {
            state.SkipWithError("a process did not report within 60 s");
            return;
        }
        for (int which = 0; which < 2; ++which) {
            const Child &run = runs[which];
            seconds[which].push_back(reportsDuration ? run.reported : run.reported - run.started);
            megabytes[which].push_back(run.peakMegabytes);
        }
        state.SetIterationTime(seconds[0].back());
    }
    const double time[2] = {median(seconds[0]) * 1e3, median(seconds[1]) * 1e3};
    const double memory[2] = {median(megabytes[0]), median(megabytes[1])};
    for (int which = 0; which < 2; ++which) {
        state.counters[std::string(names[which]) + "_ms"] = time[which];
        state.counters[std::string(names[which]) + "_MB"] = memory[which];
    }
    state.counters["time_ratio"] = time[0] / time[1];
    state.counters["memory_ratio"] = memory[0] / memory[1];
}

// Start-up until the first window has been painted, timed by the preloaded probe, against the
// bare program: Quorvit's main menu as the desktop entry starts it (quorvit-gui), and as
// `quorvit` typed in a terminal starts it (Qt Core loaded, then quorvit-gui run in its place).
void startUp(benchmark::State &state, const char *program)
{
    const std::vector<std::string> probe = {std::string("LD_PRELOAD=") + STARTUP_PROBE,
                                            "QUORVIT_PROBE_FD=3"};
    const Measure ways[2] = {[&] { return runChild({program}, probe); },
                             [&] { return runChild({BARE_PROGRAM}, probe); }};
    const char *names[2] = {"quorvit", "bare"};
    inTurn(state, ways, names, false);
}
void BM_StartUp(benchmark::State &state)
{
    startUp(state, QUORVIT_GUI_PROGRAM);
}
BENCHMARK(BM_StartUp)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
void BM_StartUpFromTerminal(benchmark::State &state)
{
    startUp(state, QUORVIT_PROGRAM);
}
BENCHMARK(BM_StartUpFromTerminal)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

// A command from start to exit against the bare Qt Core program; no GUI is involved in either.
// Both end through the preloaded exit probe, which reports the time and the process's own peak
// memory (ru_maxrss from wait4 would count the benchmark's memory, which the spawn carries over).
void BM_CommandStartUp(benchmark::State &state)
{
    const std::vector<std::string> probe = {std::string("LD_PRELOAD=") + EXIT_PROBE,
                                            "QUORVIT_PROBE_FD=3"};
    const Measure ways[2] = {
        [&] {
            return runChild({QUORVIT_PROGRAM, "lookup", "pl", "1.0", "100"}, probe);
        },
        [&] { return runChild({BARE_COMMAND}, probe); }};
    const char *names[2] = {"quorvit", "bare"};
    inTurn(state, ways, names, false);
}
BENCHMARK(BM_CommandStartUp)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

// A flange list of `count` lines as people write them: every kind, pressure, series and listed
// DN, in English or Chinese, with one line in a hundred that cannot be taken off.
QString takeoffList(int count)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list-%1.csv").arg(count));
    if (QFile::exists(path))
        return path;
    QList<FlangeRecord> rows;
    forEachFlange([&](const FlangeRecord &r) { rows.append(r); });
    QRandomGenerator random(7);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray block = "kind,pressure,series,dn,quantity\n";
    for (int i = 0; i < count; ++i) {
        if (random.bounded(100) == 0) {
            block += "PL,1.0,A,11,2\n";
        } else {
            const FlangeRecord &r = rows[random.bounded(int(rows.size()))];
            block += (random.bounded(2) ? kindCode(r.kind) : kindChineseName(r.kind)).toUtf8() +
                     ',' + r.pressureText.toLatin1() + ',' + seriesText(r.series).toLatin1() + ',' +
                     QByteArray::number(r.dn) + ',' + QByteArray::number(1 + random.bounded(50)) +
                     '\n';
        }
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return path;
}

// The take-off of a list into a file in one format, against reading and splitting the list;
// with the take-off's peak memory on a list of a hundred lines for comparison.
void BM_Takeoff(benchmark::State &state, const char *format)
{
    const int count = int(state.range(0));
    const std::string list = takeoffList(count).toStdString();
    const std::string small = takeoffList(100).toStdString();
    const std::string out =
        QDir::temp().filePath(QStringLiteral("quorvit-bench-takeoff")).toStdString();
    const std::vector<std::string> probe = {std::string("LD_PRELOAD=") + EXIT_PROBE,
                                            "QUORVIT_PROBE_FD=3"};
    const auto takeoff = [&](const std::string &input) {
        return runChild({QUORVIT_PROGRAM, "takeoff", input, "--format", format, "-o", out}, probe);
    };
    const Measure ways[2] = {[&] { return takeoff(list); },
                             [&] {
                                 return runChild({BARE_READER, list}, probe);
                             }};
    const char *names[2] = {"takeoff", "bare"};
    inTurn(state, ways, names, false);
    std::vector<double> smallMegabytes;
    for (int i = 0; i < 3; ++i)
        smallMegabytes.push_back(takeoff(small).peakMegabytes);
    state.counters["takeoff_100_lines_MB"] = median(smallMegabytes);
    state.counters["memory_vs_100_lines"] =
        state.counters["takeoff_MB"].value / median(smallMegabytes);
    QFile::remove(QString::fromStdString(out));
}
BENCHMARK_CAPTURE(BM_Takeoff, csv, "csv")
    ->Arg(1'000'000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Takeoff, text, "text")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Takeoff, json, "json")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Takeoff, xlsx, "xlsx")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A list of `count` lines with a material column: each line a material of its own ("M0000001"
// …), or all one material ("S30408"). The flanges are PL PN 1.6 of twelve DNs, 1 to 50 a line,
// so each material has its own flange, bolt, nut and gasket totals.
QString materialsList(int count, bool distinct)
{
    static QTemporaryDir folder;
    const QString path =
        folder.filePath(QStringLiteral("materials-%1-%2.csv").arg(count).arg(distinct));
    if (QFile::exists(path))
        return path;
    static const int dns[] = {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200};
    QRandomGenerator random(7);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray block = "kind,pressure,series,dn,quantity,材质\n";
    for (int i = 0; i < count; ++i) {
        block += "PL,1.6,A," + QByteArray::number(dns[random.bounded(12)]) + ',' +
                 QByteArray::number(1 + random.bounded(50)) + ',' +
                 (distinct ? 'M' + QByteArray::number(i).rightJustified(7, '0') : "S30408") + '\n';
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
    return path;
}

// The take-off of a million lines of a million materials, whose totals go to temporary files,
// against the same lines of one material: time and peak memory of each.
void BM_TakeoffMaterials(benchmark::State &state, const char *format)
{
    const int count = int(state.range(0));
    const std::string many = materialsList(count, true).toStdString();
    const std::string one = materialsList(count, false).toStdString();
    const std::string out =
        QDir::temp().filePath(QStringLiteral("quorvit-bench-materials")).toStdString();
    const std::vector<std::string> probe = {std::string("LD_PRELOAD=") + EXIT_PROBE,
                                            "QUORVIT_PROBE_FD=3"};
    const auto takeoff = [&](const std::string &input) {
        return runChild({QUORVIT_PROGRAM, "takeoff", input, "--format", format, "-o", out}, probe);
    };
    const Measure ways[2] = {[&] { return takeoff(many); }, [&] { return takeoff(one); }};
    const char *names[2] = {"materials", "one_material"};
    inTurn(state, ways, names, false);
    QFile::remove(QString::fromStdString(out));
}
BENCHMARK_CAPTURE(BM_TakeoffMaterials, csv, "csv")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TakeoffMaterials, text, "text")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TakeoffMaterials, json, "json")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TakeoffMaterials, xlsx, "xlsx")
    ->Arg(1'000'000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Lists a hostile user makes to hang the take-off or exhaust memory, each small on disk:
// "names", a header naming the flange then `count` columns of one name; "wide", a workbook of
// one row of `count` million cells without references (1 MB for 260); "strings", a workbook of
// `count` million empty shared strings (366 KB for 50). The workbooks are written by Python's
// zipfile, as the tests write theirs.
QString hostileList(const char *which, int count)
{
    static QTemporaryDir folder;
    const bool names = qstrcmp(which, "names") == 0;
    const QString path = folder.filePath(
        QStringLiteral("%1-%2.%3").arg(which).arg(count).arg(names ? "csv" : "xlsx"));
    if (QFile::exists(path))
        return path;
    if (names) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("类型,压力,公称直径" + QByteArray(",x").repeated(count) + "\nPL,1.0,100\n");
        return path;
    }
    QProcess python;
    python.start("/usr/bin/python3", {"-c", R"(
import sys, zipfile
which, count, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
ns = b' xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
rel = b'<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr("xl/workbook.xml", b'<workbook' + ns + b' xmlns:r="http://schemas.openxmlformats.org/'
               b'officeDocument/2006/relationships"><sheets><sheet name="s" sheetId="1" r:id="a"/>'
               b'</sheets></workbook>')
    z.writestr("xl/_rels/workbook.xml.rels", rel + b'<Relationship Id="a" Type="x/worksheet" '
               b'Target="sheet.xml"/><Relationship Id="b" Type="x/sharedStrings" '
               b'Target="strings.xml"/></Relationships>')
    if which == "wide":
        z.writestr("xl/strings.xml", b"<sst" + ns + b"/>")
        big, start, unit, end = ("xl/sheet.xml", b"<worksheet" + ns + b"><sheetData><row>",
                                 b"<c/>", b"</row></sheetData></worksheet>")
    else:
        z.writestr("xl/sheet.xml", b"<worksheet" + ns + b"><sheetData/></worksheet>")
        big, start, unit, end = "xl/strings.xml", b"<sst" + ns + b">", b"<si/>", b"</sst>"
    with z.open(big, "w", force_zip64=True) as f:
        f.write(start)
        for _ in range(count):
            f.write(unit * 1_000_000)
        f.write(end)
)",
                                      QString::fromLatin1(which), QString::number(count), path});
    if (!python.waitForFinished(600'000) || python.exitCode() != 0)
        return {};
    return path;
}

// The take-off of a hostile list, refused or not: its time and peak memory, which must stay
// those of an ordinary list.
void BM_HostileList(benchmark::State &state, const char *which)
{
    const std::string list = hostileList(which, int(state.range(0))).toStdString();
    const std::vector<std::string> probe = {std::string("LD_PRELOAD=") + EXIT_PROBE,
                                            "QUORVIT_PROBE_FD=3"};
    std::vector<double> megabytes;
    for (auto _ : state) {
        const Child run = runChild(
            {QUORVIT_PROGRAM, "takeoff", list, "--format", "json", "-o", "/dev/null"}, probe);
        if (!run.ok) {
            state.SkipWithError("the take-off did not end within 60 s");
            return;
        }
        state.SetIterationTime(run.reported - run.started);
        megabytes.push_back(run.peakMegabytes);
    }
    state.counters["peak_MB"] = median(megabytes);
}
BENCHMARK_CAPTURE(BM_HostileList, repeated_header_names, "names")
    ->Arg(4'000)
    ->Arg(32'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HostileList, workbook_row_of_million_cells, "wide")
    ->Arg(260)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HostileList, workbook_million_empty_shared_strings, "strings")
    ->Arg(50)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// "打印…" on a take-off window holding `lines` lines, until the print preview shows its pages
// (the preview lays out and paints every page before it shows); the model's filling is not
// timed. With the pages the preview shows.
void BM_PrintPreview(benchmark::State &state)
{
    QList<FlangeRecord> rows;
    forEachFlange([&](const FlangeRecord &r) { rows.append(r); });
    QList<ListLine> lines;
    for (qsizetype i = 0; i < state.range(0); ++i) {
        const FlangeRecord &r = rows[i % rows.size()];
        ListLine line;
        line.number = i + 1;
        line.fields = {kindCode(r.kind), r.pressureText, seriesText(r.series),
                       QString::number(r.dn), QString::number(1 + i % 50)};
        lines.append(line);
    }
    TakeoffWindow window;
    window.model()->replaceAll(lines, {});
    int pages = -1;
    for (auto _ : state) {
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (auto *preview = dialog ? dialog->findChild<QPrintPreviewWidget *>() : nullptr)
                pages = preview->pageCount();
            if (dialog)
                dialog->close();
        });
        const auto start = std::chrono::steady_clock::now();
        window.print();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintPreview)
    ->Arg(2'000)
    ->Arg(8'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

std::string selfPath;

// The first show of a query window in a fresh process, as the menu's button does it once the
// menu has been painted, as the program shows it against the way `other` names.
void firstShowsInTurn(benchmark::State &state, const QueryWindowKind &kind, const char *other,
                      const char *programName)
{
    const Measure ways[2] = {
        [&] {
            return runChild({selfPath, "--first-show", kind.name, "drawing"}, {});
        },
        [&] {
            return runChild({selfPath, "--first-show", kind.name, other}, {});
        }};
    const char *names[2] = {programName, other};
    inTurn(state, ways, names, true);
}

// With and without the drawing.
void BM_FirstShowInFreshProcess(benchmark::State &state, const QueryWindowKind &kind)
{
    firstShowsInTurn(state, kind, "no_drawing", "drawing");
}

// What the Song face costs: "宋体" drawn by Noto Serif CJK SC (as the program does) against the
// thinner AR PL UMing.
void BM_SongFaceFirstShow(benchmark::State &state, const QueryWindowKind &kind)
{
    firstShowsInTurn(state, kind, "thin_song", "noto_song");
}

// The child side of the above: the menu painted, then the timed press. Reports the duration in
// ns on descriptor 3.
int firstShowChild(const QString &name, bool withDrawing)
{
    const WindowKind kindOf[] = {WindowKind::FormPL, WindowKind::FormSO, WindowKind::FormWN};
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const QueryWindowKind &k) { return name == k.name; });
    if (kind == kinds.end())
        return 2;
    const WindowKind target = kindOf[kind - kinds.begin()];

    Windows windows;
    windows.show(WindowKind::Form1);
    QCoreApplication::processEvents();

    const double start = monotonicSeconds();
    windows.hide(WindowKind::Form1);
    QWidget *window = windows.window(target);
    PaintCounter windowPaints;
    PaintCounter drawingPaints;
    window->installEventFilter(&windowPaints);
    QWidget *drawing = window->findChild<QWidget *>("Image1");
    drawing->installEventFilter(&drawingPaints);
    if (!withDrawing)
        drawing->hide();
    windows.show(target);
    QCoreApplication::processEvents();
    const double shown = monotonicSeconds();

    if (windowPaints.count == 0 || (drawingPaints.count > 0) != withDrawing)
        return 1;
    dprintf(3, "%lld %ld\n", static_cast<long long>((shown - start) * 1e9),
            peakResidentKilobytes());
    return 0;
}

void registerWindowBenchmarks()
{
    for (const QueryWindowKind &kind : kinds) {
        const std::string name = kind.name;
        benchmark::RegisterBenchmark(("BM_QueryProcedure/" + name).c_str(), BM_QueryProcedure,
                                     kind);
        benchmark::RegisterBenchmark(("BM_FindThroughWindow/" + name).c_str(), BM_FindThroughWindow,
                                     kind)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_WriteSameTexts/" + name).c_str(), BM_WriteSameTexts, kind)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_PasteMegabyte/" + name).c_str(), BM_PasteMegabyte, kind)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_FirstShow/" + name + "/drawing").c_str(), BM_FirstShow,
                                     kind, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_FirstShow/" + name + "/no_drawing").c_str(), BM_FirstShow,
                                     kind, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_FirstShowInFreshProcess/" + name).c_str(),
                                     BM_FirstShowInFreshProcess, kind)
            ->Iterations(20)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SongFaceFirstShow/" + name).c_str(), BM_SongFaceFirstShow,
                                     kind)
            ->Iterations(20)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_ParseDrawing/" + name).c_str(), BM_ParseDrawing, kind)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvit");
    installChineseFonts();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == u"--first-show") {
        // "thin_song": the drawing shown, with "宋体" drawn by AR PL UMing as it used to be.
        if (arguments[3] == u"thin_song") {
            QFont::removeSubstitutions("宋体");
            QFont::insertSubstitution("宋体", "AR PL UMing CN");
        }
        return firstShowChild(arguments[2], arguments[3] != u"no_drawing");
    }

    selfPath = QCoreApplication::applicationFilePath().toStdString();
    registerWindowBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
