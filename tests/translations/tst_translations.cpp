// The interface in English: the catalogue holds every text of the sources, the locale and
// --lang choose the language of the real program, and the windows built in English show no
// Chinese.
#include "app/windows.h"
#include "support/messagecatcher.h"
#include "support/programrun.h"
#include "support/windowdriver.h"
#include "translations/language.h"
#include "widgets/fonts.h"
#include "windows/takeoff/takeofftablemodel.h"
#include "windows/takeoff/takeoffwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <utility>

Q_DECLARE_METATYPE(WindowKind)

namespace
{

bool hasHan(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

// "%1 of %2 (%L3), %n" → {"%1", "%2", "%L3", "%n"}, sorted: a translation must place every
// argument.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%L?(?:\\d+|n)"));
    QStringList found;
    for (auto it = argument.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// What is wrong with each message of a catalogue, one line each.
QStringList catalogueFaults(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString where = context + QStringLiteral(" “") + source + QStringLiteral("”: ");
            // A plural translation holds its forms in elements of their own: each must be whole.
            QStringList forms;
            QString text;
            while (!xml.atEnd() && (xml.readNext() != QXmlStreamReader::EndElement ||
                                    xml.name() != u"translation")) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isEndElement())
                    forms.append(std::exchange(text, QString()));
            }
            if (forms.isEmpty())
                forms.append(text);
            for (const QString &form : forms) {
                if (type == u"unfinished" || form.trimmed().isEmpty())
                    faults.append(where + QStringLiteral("not translated"));
                else if (hasHan(form))
                    faults.append(where + QStringLiteral("translated with Chinese: ") + form);
                else if (placeholders(form) != placeholders(source))
                    faults.append(where + QStringLiteral("arguments differ: ") + form);
            }
        }
    }
    if (xml.hasError())
        faults.append(path + QStringLiteral(": ") + xml.errorString());
    return faults;
}

ProgramRun runWithLocale(const QStringList &arguments, const QStringList &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    for (const QString &setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return quorvit(arguments, {}, environment);
}

// Every text a window shows a user, with where it is: captions, hints, list and table entries,
// headers, actions.
QList<std::pair<QString, QString>> shownTexts(QWidget *window)
{
    QList<std::pair<QString, QString>> texts{{window->objectName(), window->windowTitle()}};
    auto add = [&](const QObject *where, const QString &what, const QString &text) {
        if (!text.isEmpty())
            texts.append({window->objectName() + u' ' + where->objectName() + u' ' + what, text});
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        add(widget, QStringLiteral("tooltip"), widget->toolTip());
        add(widget, QStringLiteral("accessible name"), widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, QStringLiteral("caption"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, QStringLiteral("caption"), button->text());
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                add(view, QStringLiteral("header"),
                    model->headerData(column, Qt::Horizontal).toString());
                add(view, QStringLiteral("header hint"),
                    model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
            }
            for (int row = 0; row < model->rowCount(); ++row)
                for (int column = 0; column < model->columnCount(); ++column)
                    for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                        add(view, QStringLiteral("entry"),
                            model->index(row, column).data(role).toString());
        }
        for (const QAction *action : widget->actions()) {
            add(action, QStringLiteral("action"), action->text());
            add(action, QStringLiteral("action hint"), action->toolTip());
        }
    }
    return texts;
}

const WindowKind AllWindows[] = {
    WindowKind::Form1,        WindowKind::FormPL,     WindowKind::FormSO, WindowKind::FormWN,
    WindowKind::FormMF,       WindowKind::FormRF,     WindowKind::FormFM, WindowKind::FormTG,
    WindowKind::FormIdentify, WindowKind::FormTakeoff};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installChineseFonts();
        installLanguage(Language::English);
    }

    // lupdate run over the sources on a copy of the catalogue finds no text the catalogue does
    // not translate, and lrelease compiles it with nothing unfinished.
    void catalogueTranslatesEveryText()
    {
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("quorvit_en.ts"));
        QVERIFY(QFile::copy(QStringLiteral(QUORVIT_CATALOGUE), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        const QStringList options = QStringLiteral(QUORVIT_TRANSLATION_OPTIONS).split(u' ');
        const ProgramRun update =
            runProgram(QStringLiteral(QUORVIT_LUPDATE),
                       QStringList{QStringLiteral("@" QUORVIT_TRANSLATED_SOURCES)} + options +
                           QStringList{QStringLiteral("-ts"), copy});
        QCOMPARE(update.exitCode, 0);
        // lupdate warns of a tr() it cannot place (a class without Q_OBJECT, a text built at
        // run time): such texts would never be translated.
        QVERIFY2(!update.text().contains(QStringLiteral("warning"), Qt::CaseInsensitive) &&
                     !update.err.contains(QStringLiteral("warning"), Qt::CaseInsensitive),
                 qPrintable(update.text() + update.err));

        const QStringList faults = catalogueFaults(copy);
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join(u'\n') +
                            QStringLiteral("\n(cmake --build build --target update_translations "
                                           "adds new texts to translations/quorvit_en.ts)")));

        const ProgramRun release =
            runProgram(QStringLiteral(QUORVIT_LRELEASE),
                       {copy, QStringLiteral("-qm"), folder.filePath(QStringLiteral("en.qm"))});
        QCOMPARE(release.exitCode, 0);
        const QString report = release.text() + release.err;
        QVERIFY2(report.contains(QStringLiteral(" 0 unfinished")) &&
                     !report.contains(QStringLiteral("untranslated")),
                 qPrintable(report));
    }

    void localeAndOptionChooseTheLanguage_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("english");
        const QStringList window{QStringLiteral("--window"), QStringLiteral("nowhere")};
        const QStringList usEnglish{QStringLiteral("LANG=en_US.UTF-8")};
        // clang-format off
        QTest::newRow("C locale speaks Chinese")           << QStringList{"LC_ALL=C"} << window << false;
        QTest::newRow("POSIX speaks Chinese")              << QStringList{"LANG=POSIX"} << window << false;
        QTest::newRow("no locale at all speaks Chinese")   << QStringList{} << window << false;
        QTest::newRow("a German locale speaks Chinese")    << QStringList{"LANG=de_DE.UTF-8"} << window << false;
        QTest::newRow("US English speaks English")         << usEnglish << window << true;
        QTest::newRow("British English messages, English") << QStringList{"LANG=zh_CN.UTF-8", "LC_MESSAGES=en_GB.UTF-8"} << window << true;
        QTest::newRow("LC_ALL=C beats an English LANG")    << QStringList{"LANG=en_US.UTF-8", "LC_ALL=C"} << window << false;
        QTest::newRow("--lang en in the C locale")         << QStringList{"LC_ALL=C"} << QStringList{"--lang", "en"} + window << true;
        QTest::newRow("--lang zh in an English locale")    << usEnglish << QStringList{"--lang=zh"} + window << false;
        QTest::newRow("--lang after the window's name")    << QStringList{} << window + QStringList{"--lang", "en"} << true;
        QTest::newRow("the last --lang counts")            << usEnglish << QStringList{"--lang=en", "--lang=zh_CN"} + window << false;
        // clang-format on
    }
    // Told through the windows' own usage error, which they give in their language before any
    // window opens.
    void localeAndOptionChooseTheLanguage()
    {
        QFETCH(QStringList, locale);
        QFETCH(QStringList, arguments);
        QFETCH(bool, english);
        const ProgramRun run = runWithLocale(arguments, locale);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("nowhere")), qPrintable(run.err));
        QVERIFY2(hasHan(run.err) != english, qPrintable(run.err));
    }

    // The help and the labels of the commands' output speak one language, the chosen one: no
    // Chinese in English, and no English prose (three words running) in Chinese.
    void commandsSpeakOneLanguage_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("english");
        const QStringList c{QStringLiteral("LC_ALL=C")};
        const QStringList zh{QStringLiteral("LANG=zh_CN.UTF-8")};
        const QStringList en{QStringLiteral("LANG=en_US.UTF-8")};
        const QStringList lookup{"lookup", "WN", "1.6", "100"};
        const QStringList table{"table", "so", "2.5"};
        const QStringList identify{"identify", "--outside-diameter", "221", "--holes", "8"};
        // clang-format off
        QTest::newRow("--help, C locale")                << c  << QStringList{"--help"} << false;
        QTest::newRow("--help, Chinese locale")          << zh << QStringList{"--help"} << false;
        QTest::newRow("--help, English locale")          << en << QStringList{"--help"} << true;
        QTest::newRow("--help --lang en, Chinese locale") << zh << QStringList{"--help", "--lang", "en"} << true;
        QTest::newRow("--help --lang zh, English locale") << en << QStringList{"--lang=zh", "--help"} << false;
        QTest::newRow("lookup --help, C locale")         << c  << QStringList{"lookup", "--help"} << false;
        QTest::newRow("lookup --help --lang en")         << zh << QStringList{"lookup", "--help", "--lang=en"} << true;
        QTest::newRow("identify --help --lang en")       << c  << QStringList{"identify", "-h", "--lang=en"} << true;
        QTest::newRow("drawing --help, English locale")  << en << QStringList{"drawing", "--help"} << true;
        QTest::newRow("takeoff --help --lang en")        << c  << QStringList{"takeoff", "--help", "--lang=en"} << true;
        QTest::newRow("takeoff --help, Chinese locale")  << zh << QStringList{"takeoff", "--help"} << false;
        QTest::newRow("lookup, Chinese locale")          << zh << lookup << false;
        QTest::newRow("lookup --lang en")                << zh << lookup + QStringList{"--lang", "en"} << true;
        QTest::newRow("lookup --lang zh, English locale") << en << lookup + QStringList{"--lang", "zh"} << false;
        QTest::newRow("table, C locale")                 << c  << table << false;
        QTest::newRow("table, English locale")           << en << table << true;
        QTest::newRow("identify, Chinese locale")        << zh << identify << false;
        QTest::newRow("identify --lang en")              << c  << identify + QStringList{"--lang=en"} << true;
        // clang-format on
    }
    void commandsSpeakOneLanguage()
    {
        QFETCH(QStringList, locale);
        QFETCH(QStringList, arguments);
        QFETCH(bool, english);
        const ProgramRun run = runWithLocale(arguments, locale);
        QCOMPARE(run.exitCode, 0);
        const QString out = run.text();
        QVERIFY(out.count(u'\n') > 3);
        static const QRegularExpression prose(QStringLiteral("\\b[a-z]+ [a-z]+ [a-z]+\\b"));
        if (english)
            QVERIFY2(!hasHan(out), qPrintable(out));
        else
            QVERIFY2(hasHan(out) && !prose.match(out).hasMatch(),
                     qPrintable(prose.match(out).captured() + u'\n' + out));
    }

    void unknownLanguageIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("French") << QStringList{"--lang", "fr"};
        QTest::newRow("no value") << QStringList{"--lang"};
        QTest::newRow("empty value, command line") << QStringList{"--lang=", "--version"};
    }
    void unknownLanguageIsAUsageError()
    {
        QFETCH(QStringList, arguments);
        const ProgramRun run = runWithLocale(arguments, {QStringLiteral("LANG=en_US.UTF-8")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("--lang")) && !hasHan(run.err),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    // Built in English, no window shows a Chinese text, and the messages of a query speak
    // English in a box whose button does too.
    void everyWindowSpeaksEnglish()
    {
        Windows windows;
        QStringList chinese;
        for (WindowKind kind : AllWindows) {
            QWidget *window = windows.window(kind);
            for (const auto &[where, text] : shownTexts(window))
                if (hasHan(text))
                    chinese.append(where + QStringLiteral(": ") + text);
        }
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(u'\n')));

        windows.show(WindowKind::FormPL);
        QWidget *plate = windows.existing(WindowKind::FormPL);
        MessageCatcher catcher;
        QTest::mouseClick(control<QAbstractButton>(plate, QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!catcher.seen.isEmpty());
        for (const MessageCatcher::Seen &seen : catcher.seen) {
            QVERIFY2(!seen.text.isEmpty() && !hasHan(seen.text), qPrintable(seen.text));
            QCOMPARE(seen.okText, QStringLiteral("OK"));
        }
    }

    // A take-off window's workbook is made by quorvit-formats, a program of its own: the lines'
    // reasons come out in the language the window speaks.
    void workbookOfTheWindowSpeaksItsLanguage()
    {
        ListLine bad;
        bad.fields = QStringList{"PL", "1.0", "A", "11", "2"};
        TakeoffWindow window;
        window.model()->insertLines(0, {bad}, {}, QString());
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("window.xlsx")));
        QSignalSpy ended(&window, &TakeoffWindow::exportFinished);
        window.exportTo(file.fileName(), true);
        QVERIFY(ended.wait(60000));
        QCOMPARE(ended.constFirst().constFirst().toBool(), true);
        const ProgramRun read = runProgram(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import openpyxl, sys\nfor row in openpyxl.load_workbook(sys.argv[1])"
                            ".active.iter_rows(values_only=True): print(row)"),
             file.fileName()});
        QCOMPARE(read.exitCode, 0);
        QVERIFY2(read.text().contains(QStringLiteral("line 1: DN 11 is not listed")), read.out);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
