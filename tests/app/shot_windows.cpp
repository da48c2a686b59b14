// Not a test: opens the menu and each query window from it as a user would, runs one query in
// each, pastes a few take-off lines (one of them not listed) into the take-off window, types the
// measurements of a flange into the identification window, looks up a Class-series flange, and
// saves a picture of every window, for
// the README and for looking at the windows at any scale (QT_SCALE_FACTOR). Usage: shot_windows
// <directory> [<file>:<pressure row>:<series row>:<DN text> ...] [--lang en|zh], where each
// query given replaces the default one of the window whose picture is <file> (for example
// formpl.png:1:0:2000); the language is the program's choice (the locale, or --lang).
#include "app/windows.h"
#include "catalogue/flangeinput.h"
#include "translations/language.h"
#include "widgets/fonts.h"
#include "windows/class/classflangewindow.h"
#include "windows/identify/identifywindow.h"
#include "windows/takeoff/takeoffwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace
{

struct Shot {
    WindowKind kind;
    const char *menuButton;
    const char *file;
    int pressure;
    int series;
    const char *dnBox;
    QString dn;
};

// clang-format off
Shot Shots[] = {
    {WindowKind::FormPL, "Command1", "formpl.png", 2, 0, "Text11", "100"}, // PN 1.0, A, DN 100
    {WindowKind::FormSO, "Command2", "formso.png", 1, 0, "Text1",  "100"}, // PN 1.0, A, DN 100
    {WindowKind::FormWN, "Command3", "formwn.png", 1, 0, "Text1",  "100"}, // PN 1.6, A, DN 100
};
// clang-format on

bool save(QWidget *window, const QString &path)
{
    // Layouts that follow their contents settle over a few rounds of the event loop.
    QDeadlineTimer settled(100);
    while (!settled.hasExpired())
        QApplication::processEvents();
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const LanguageChoice language = languageChoice(std::nullopt); // LANG=en_US.UTF-8 for English
    QApplication app(argc, argv);
    installLanguage(language.language);
    QApplication::setApplicationName("Quorvit");
    QApplication::setWindowIcon(QIcon(":/icons/quorvit.svg"));
    installChineseFonts();
    const QDir out(app.arguments().value(1, "."));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;

    for (const QString &query : app.arguments().mid(2)) {
        const QStringList parts = query.split(':');
        Shot *shot = std::find_if(std::begin(Shots), std::end(Shots),
                                  [&](const Shot &s) { return parts.value(0) == s.file; });
        if (parts.size() != 4 || shot == std::end(Shots)) {
            std::fprintf(stderr, "cannot read the query %s\n", qPrintable(query));
            return 2;
        }
        shot->pressure = parts[1].toInt();
        shot->series = parts[2].toInt();
        shot->dn = parts[3];
    }

    Windows windows;
    windows.show(WindowKind::Form1);
    bool ok = save(windows.existing(WindowKind::Form1), out.filePath("form1.png"));
    for (const Shot &shot : Shots) {
        windows.existing(WindowKind::Form1)->findChild<QPushButton *>(shot.menuButton)->click();
        QWidget *window = windows.existing(shot.kind);
        for (auto [list, row] : {std::pair{"List1", shot.pressure}, {"List2", shot.series}}) {
            auto *view = window->findChild<QListWidget *>(list);
            view->setCurrentRow(row);
            view->scrollToItem(view->currentItem());
        }
        window->findChild<QLineEdit *>(shot.dnBox)->setText(shot.dn);
        // A query that finds no row would wait on its message box: note it and close the box.
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [&ok] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                std::fprintf(stderr, "unexpected message box\n");
                ok = false;
                box->close();
            }
        });
        watchdog.start(100);
        window->findChild<QPushButton *>("Command1")->click();
        ok = save(window, out.filePath(shot.file)) && ok;
        windows.returnToMenu(shot.kind);
    }

    // A sealing-face sheet, reached through the chooser.
    windows.existing(WindowKind::Form1)->findChild<QPushButton *>("Command5")->click();
    windows.existing(WindowKind::FormMF)->findChild<QPushButton *>("Command1")->click();
    ok = save(windows.existing(WindowKind::FormRF), out.filePath("formrf.png")) && ok;
    windows.existing(WindowKind::FormRF)->close();
    windows.existing(WindowKind::FormMF)->findChild<QPushButton *>("Command4")->click();

    windows.show(WindowKind::FormTakeoff);
    auto *takeoff = static_cast<TakeoffWindow *>(windows.existing(WindowKind::FormTakeoff));
    QApplication::clipboard()->setText(QStringLiteral("类型\t公称压力\t系列\t公称直径\t数量\n"
                                                      "PL\t1.0\tA\t100\t4\n"
                                                      "WN\t16.0\tA\t150\t10\n"
                                                      "PL\t0.6\tB\t2000\t2\n"
                                                      "SO\t4.0\tB\t600\t100\n"
                                                      "WN\t2.5\tA\t11\t1\n"
                                                      "带颈平焊\t1.6\tB\t50\t2\n"
                                                      "WN\tPN40\tA\t200\t3\n"));
    takeoff->paste();
    ok = save(takeoff, out.filePath("formtakeoff.png")) && ok;
    windows.returnToMenu(WindowKind::FormTakeoff);

    windows.show(WindowKind::FormIdentify);
    auto *identify = static_cast<IdentifyWindow *>(windows.existing(WindowKind::FormIdentify));
    const FlangeRecord row = *lookUpFlange(FlangeKind::WeldNeck,
                                           *listedRating(FlangeKind::WeldNeck, 1.6), 100, PipeSeries::A);
    identify->box(Measure::OutsideDiameter)->setText(QString::number(*row.outsideDiameter));
    identify->box(Measure::BoltCircle)->setText(QString::number(*row.boltCircle));
    identify->box(Measure::HoleCount)->setText(QString::number(row.holeCount));
    identify->box(Measure::HoleDiameter)->setText(QString::number(row.holeDiameter));
    ok = save(identify, out.filePath("formidentify.png")) && ok;
    windows.returnToMenu(WindowKind::FormIdentify);

    // The Class series: a weld-neck Class 300 NPS 8 with the rating of A105 at 250 °C, and the
    // blind flanges the menu's BL opens.
    windows.existing(WindowKind::Form1)->findChild<QPushButton *>("classButton")->click();
    auto *classSeries = static_cast<ClassFlangeWindow *>(windows.existing(WindowKind::FormClass));
    auto *classes = classSeries->findChild<QListWidget *>("classList");
    classes->setCurrentRow(classes->row(classes->findItems("Class 300", Qt::MatchExactly)[0]));
    classSeries->findChild<QLineEdit *>("sizeBox")->setText(QStringLiteral("8\""));
    classSeries->findChild<QLineEdit *>("materialBox")->setText(QStringLiteral("A105"));
    classSeries->findChild<QLineEdit *>("temperatureBox")->setText(QStringLiteral("250"));
    classSeries->find();
    ok = classSeries->shown() && save(classSeries, out.filePath("formclass.png")) && ok;
    windows.returnToMenu(WindowKind::FormClass);
    windows.existing(WindowKind::Form1)->findChild<QPushButton *>("Command4")->click();
    classSeries->find();
    ok = classSeries->shown() && save(classSeries, out.filePath("formclass-bl.png")) && ok;
    windows.returnToMenu(WindowKind::FormClass);
    return ok ? 0 : 1;
}
