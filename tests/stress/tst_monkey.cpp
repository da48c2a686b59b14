// A seeded monkey on the real windows: tens of thousands of random presses, list selections,
// typed texts, keys and close boxes, with every message box answered. After every action the
// program must still show exactly one window, its lists must hold their items once, and the
// result boxes must hold "##0.00" text or what the rules allow. Every "查找" must leave the boxes
// and messages that its query procedure gives for the same boxes and selections.
//
// QUORVIT_MONKEY_SEED replays a run; QUORVIT_MONKEY_ACTIONS sets its length.
#include "app/windows.h"
#include "catalogue/query/platequery.h"
#include "catalogue/query/sliponquery.h"
#include "catalogue/query/weldneckquery.h"
#include "support/listrows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>

namespace
{

using QueryProcedure = void (*)(QueryRun &, std::optional<Rating>, std::optional<PipeSeries>);

struct WindowUnderTest {
    WindowKind kind;
    QStringList pressures;
    int boxCount;
    const char *dnBox;
    QList<int> resultBoxes;
    QueryProcedure query;
    FlangeKind flangeKind;
};

const WindowUnderTest QueryWindows[] = {
    {WindowKind::FormPL,
     {"0.25", "0.6", "1.0", "1.6", "2.5"},
     12,
     "Text11",
     {10, 12},
     runPlateQuery, FlangeKind::Plate},
    {WindowKind::FormSO,
     {"0.6", "1.0", "1.6", "2.5", "4.0"},
     14,
     "Text1",
     {12, 14},
     runSlipOnQuery, FlangeKind::SlipOn},
    {WindowKind::FormWN,
     {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"},
     13,
     "Text1",
     {12},
     runWeldNeckQuery, FlangeKind::WeldNeck},
};

const QRegularExpression ResultShape(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"));

const char *const StandardDns[] = {"10",   "15",   "20",   "25",   "32",  "40",  "50",  "65",
                                   "80",   "100",  "125",  "150",  "200", "250", "300", "350",
                                   "400",  "450",  "500",  "600",  "700", "800", "900", "1000",
                                   "1200", "1400", "1600", "1800", "2000"};

const char *const OddTexts[] = {"1e400",      "-1e400",
                                "&HFFFFFFFF", "&O777",
                                "&H",         "-0",
                                "+10",        "1,000",
                                "１００",     "六十",
                                "公称直径",   "DN100",
                                "100mm",      " 1 0 0 ",
                                "\t80",       "NaN",
                                "inf",        "1e-400",
                                "0x10",       "..",
                                "-",          "+",
                                "e5",         ".5",
                                "5.",         "9.5",
                                "10.5",       "32767.5",
                                "-32768.5",   "1E+2",
                                "1e2.5",      "--1",
                                "1e200",      "-1e200",
                                "1e150",      "1e308",
                                "4.9e-324",   "99999999999999999999"};

// Which window is which kind, by its object name.
// The box "Text<n>" of a query window.
QLineEdit *boxOf(const QWidget *window, int n)
{
    return qobject_cast<const QueryWindow *>(window)->box(n);
}

const WindowUnderTest *queryWindowOf(const QWidget *window)
{
    for (const WindowUnderTest &w : QueryWindows) {
        static const char *names[] = {"FormPL", "FormSO", "FormWN"};
        if (window->objectName() == QLatin1String(names[&w - QueryWindows]))
            return &w;
    }
    return nullptr;
}

// Tens of thousands of actions make the headless platform's notes on raise() and size hints,
// and the font engine's on scripts a face cannot shape, drown the test's own output.
QtMessageHandler testHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && (text.startsWith(u"This plugin does not support") ||
                                 text.trimmed().startsWith(u"OpenType support missing")))
        return;
    testHandler(type, context, text);
}

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    std::mt19937_64 m_random;
    std::unique_ptr<Windows> m_windows;
    bool m_quit = false;
    MessageCatcher *m_catcher = nullptr;
    QStringList m_log;
    // What the monkey last typed into a box, which that box may still hold.
    QHash<QLineEdit *, QPair<QPointer<QLineEdit>, QString>> m_typed;

    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <typename T> T *any(const QList<T *> &items)
    {
        return items.at(below(int(items.size())));
    }

    void start()
    {
        m_windows = std::make_unique<Windows>();
        connect(m_windows.get(), &Windows::quitRequested, this, [this] { m_quit = true; });
        m_windows->show(WindowKind::Form1);
        m_quit = false;
    }
    void stop()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QList<QWidget *> visibleWindows()
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !(w->windowType() == Qt::ToolTip || w->windowType() == Qt::Popup))
                shown.append(w);
        return shown;
    }

    template <typename T> static QList<T *> visibleChildren(QWidget *window)
    {
        QList<T *> found;
        for (T *child : window->findChildren<T *>())
            if (child->isVisibleTo(window) && child->isEnabled())
                found.append(child);
        return found;
    }

    QString randomText()
    {
        const int kind = below(100);
        if (kind < 35)
            return QString::fromLatin1(StandardDns[below(int(std::size(StandardDns)))]);
        if (kind < 50)
            return QString::fromUtf8(OddTexts[below(int(std::size(OddTexts)))]);
        if (kind < 60)
            return QString::number(below(70000) - 35000);
        if (kind < 72) { // sign, digits, point, exponent, blanks anywhere
            const QString alphabet = QStringLiteral("0123456789+-.eE &HhOo\t");
            QString text;
            for (int i = below(12) + 1; i > 0; --i)
                text += alphabet.at(below(int(alphabet.size())));
            return text;
        }
        if (kind < 80) { // any printable character of the basic plane, or beyond it
            QString text;
            for (int i = below(10) + 1; i > 0; --i) {
                const char32_t c = chance(0.1) ? char32_t(0x10000 + below(0xFFFF))
                                               : char32_t(0x20 + below(0xD7FF - 0x20));
                text += QString::fromUcs4(&c, 1);
            }
            return text;
        }
        if (kind < 88)
            return below(2) ? QString() : QStringLiteral(" ");
        if (kind < 99) // long
            return QString(below(40000) + 100, QChar(u"0123456789"[below(10)]));
        return QString(1 << 20, u'7'); // a megabyte of digits
    }

    // Predicts what a press of "查找" leaves: every box and the messages.
    struct Prediction {
        QStringList boxes;
        QStringList messages;
    };
    static Prediction predictFind(QWidget *window, const WindowUnderTest &kind)
    {
        QueryRun run([window](int n) {
            const QLineEdit *box = boxOf(window, n);
            return box ? box->text() : QString();
        });
        kind.query(run,
                   ratingOfListRow(kind.flangeKind,
                                   selectedIndex(window->findChild<QListWidget *>("List1"))),
                   seriesAtRow(selectedIndex(window->findChild<QListWidget *>("List2"))));
        Prediction p{{}, run.messages()};
        for (int n = 1; n <= kind.boxCount; ++n)
            p.boxes.append(run.text(n));
        return p;
    }
    static QStringList boxTexts(QWidget *window, const WindowUnderTest &kind)
    {
        QStringList texts;
        for (int n = 1; n <= kind.boxCount; ++n)
            texts.append(boxOf(window, n)->text());
        return texts;
    }

    // One random action on the visible window. Returns the prediction when it pressed "查找".
    std::optional<Prediction> act(QWidget *window)
    {
        const WindowUnderTest *kind = queryWindowOf(window);
        const int what = below(100);

        if (what < 30) {
            // The take-off and the identification, with their file dialogs, have tests of
            // their own: the monkey keeps to the other windows.
            QList<QPushButton *> buttons = visibleChildren<QPushButton>(window);
            buttons.removeIf([](const QPushButton *b) {
                return b->objectName() == u"takeoffButton" || b->objectName() == u"identifyButton";
            });
            if (buttons.isEmpty())
                return act(window); // a sheet has nothing to press
            // Half the presses on a query window are "查找", so that many queries run.
            QPushButton *button =
                kind && chance(0.5) ? window->findChild<QPushButton *>("Command1") : any(buttons);
            m_log.append(QStringLiteral("press %1 \"%2\" on %3")
                             .arg(button->objectName(), button->text(), window->objectName()));
            std::optional<Prediction> prediction;
            if (kind && button->text() == u"查找")
                prediction = predictFind(window, *kind);
            QTest::mouseClick(button, Qt::LeftButton);
            return prediction;
        }

        if (what < 55) {
            const QList<QListWidget *> lists = visibleChildren<QListWidget>(window);
            if (lists.isEmpty())
                return act(window);
            QListWidget *list = any(lists);
            const int row = chance(0.1) ? -1 : below(int(list->count()));
            switch (below(4)) {
            case 0:
                m_log.append(
                    QStringLiteral("select row %1 of %2").arg(row).arg(list->objectName()));
                list->setCurrentRow(row);
                break;
            case 1:
                m_log.append(QStringLiteral("select nothing in %1").arg(list->objectName()));
                list->clearSelection();
                list->setCurrentRow(-1);
                break;
            case 2: {
                m_log.append(QStringLiteral("click row %1 of %2").arg(row).arg(list->objectName()));
                clickRow(list, row);
                break;
            }
            default: {
                const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,  Qt::Key_Home,
                                        Qt::Key_End, Qt::Key_Space, Qt::Key_PageDown};
                const Qt::Key key = keys[below(int(std::size(keys)))];
                m_log.append(QStringLiteral("key %1 in %2")
                                 .arg(QKeySequence(key).toString(), list->objectName()));
                QTest::keyClick(list, key);
                break;
            }
            }
            return std::nullopt;
        }

        const QList<QLineEdit *> boxes = visibleChildren<QLineEdit>(window);
        if (what < 95) {
            if (boxes.isEmpty())
                return act(window);
            // Half the typing goes to the DN box, mostly a standard size, so that many queries
            // find their row.
            const bool dn = kind && chance(0.5);
            QLineEdit *box = dn ? window->findChild<QLineEdit *>(kind->dnBox) : any(boxes);
            const QString text =
                dn && chance(0.6)
                    ? QString::fromLatin1(StandardDns[below(int(std::size(StandardDns)))])
                    : randomText();
            m_log.append(QStringLiteral("type %1 chars \"%2\" into %3")
                             .arg(text.size())
                             .arg(text.left(40), box->objectName()));
            // Short ASCII texts are typed key by key; the rest is pasted.
            const bool typeable =
                text.size() <= 12 && std::all_of(text.begin(), text.end(), [](QChar c) {
                    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
                });
            if (typeable && chance(0.3)) {
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Delete);
                QTest::keyClicks(box, text);
            } else {
                box->setText(text);
            }
            m_typed.insert(box, {box, box->text()});
            return std::nullopt;
        }

        if (what < 99) {
            if (boxes.isEmpty())
                return act(window);
            QLineEdit *box = any(boxes);
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace,
                                    Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Escape};
            const Qt::Key key = keys[below(int(std::size(keys)))];
            m_log.append(QStringLiteral("key %1 in %2")
                             .arg(QKeySequence(key).toString(), box->objectName()));
            std::optional<Prediction> prediction;
            if (kind && box->objectName() == QLatin1String(kind->dnBox) &&
                (key == Qt::Key_Return || key == Qt::Key_Enter))
                prediction = predictFind(window, *kind);
            QTest::keyClick(box, key);
            m_typed.insert(box, {box, box->text()}); // the user's own edit
            return prediction;
        }

        m_log.append(QStringLiteral("close box of %1").arg(window->objectName()));
        window->close();
        return std::nullopt;
    }

    // What must hold after every action; empty when it does.
    QString check(const std::optional<Prediction> &prediction, QWidget *actedOn,
                  qsizetype messagesBefore)
    {
        const QList<MessageCatcher::Seen> &seen = m_catcher->seen;
        for (qsizetype i = messagesBefore; i < seen.size(); ++i) {
            const MessageCatcher::Seen &box = seen[i];
            if (box.title != u"Quorvit" || box.icon != QMessageBox::NoIcon ||
                box.buttonCount != 1 || !box.hasOk || !box.modal)
                return QStringLiteral("message box \"%1\" is not a plain OK box titled Quorvit")
                    .arg(box.text);
        }
        QStringList shownMessages;
        for (qsizetype i = messagesBefore; i < seen.size(); ++i)
            shownMessages.append(seen[i].text);

        const QList<QWidget *> shown = visibleWindows();
        if (m_quit) {
            if (!shown.isEmpty())
                return QStringLiteral("%1 windows visible after the program ended")
                    .arg(shown.size());
        } else if (shown.size() != 1) {
            QStringList names;
            for (QWidget *w : shown)
                names.append(w->objectName());
            return QStringLiteral("%1 windows visible: %2")
                .arg(shown.size())
                .arg(names.join(u", "));
        }

        if (prediction) {
            const WindowUnderTest &kind = *queryWindowOf(actedOn);
            if (shownMessages != prediction->messages)
                return QStringLiteral("messages [%1], the query gives [%2]")
                    .arg(shownMessages.join(u", "), prediction->messages.join(u", "));
            const QStringList boxes = boxTexts(actedOn, kind);
            for (int n = 1; n <= kind.boxCount; ++n)
                if (boxes[n - 1] != prediction->boxes[n - 1])
                    return QStringLiteral("Text%1 holds \"%2\", the query gives \"%3\"")
                        .arg(n)
                        .arg(boxes[n - 1].left(40), prediction->boxes[n - 1].left(40));
            for (int n : kind.resultBoxes) {
                const QString text = boxes[n - 1];
                const bool allowed = text.isEmpty() || ResultShape.match(text).hasMatch() ||
                                     (kind.kind == WindowKind::FormWN && text == u"-");
                if (!allowed)
                    return QStringLiteral("result Text%1 holds \"%2\" after 查找")
                        .arg(n)
                        .arg(text.left(40));
            }
        } else if (!shownMessages.isEmpty() && actedOn->objectName() != u"FormClass") {
            // The Class series' window answers its "查找" and Enter in its size box with its own
            // messages, which its test checks.
            return QStringLiteral("message \"%1\" without 查找").arg(shownMessages.join(u", "));
        }

        for (const WindowUnderTest &kind : QueryWindows) {
            QWidget *window = m_windows ? m_windows->existing(kind.kind) : nullptr;
            if (!window)
                continue;
            const auto items = [](QListWidget *list) {
                QStringList texts;
                for (int i = 0; i < list->count(); ++i)
                    texts.append(list->item(i)->text());
                return texts;
            };
            if (items(window->findChild<QListWidget *>("List1")) != kind.pressures ||
                items(window->findChild<QListWidget *>("List2")) != QStringList{"A", "B"})
                return QStringLiteral("the lists of %1 changed").arg(window->objectName());
            for (int n : kind.resultBoxes) {
                QLineEdit *box = boxOf(window, n);
                const QString text = box->text();
                const auto typed = m_typed.constFind(box);
                const bool typedHere =
                    typed != m_typed.cend() && typed->first == box && typed->second == text;
                const bool allowed = text.isEmpty() || text == u" " || typedHere ||
                                     ResultShape.match(text).hasMatch() ||
                                     (kind.kind == WindowKind::FormWN && text == u"-");
                if (!allowed)
                    return QStringLiteral("result Text%1 of %2 holds \"%3\"")
                        .arg(n)
                        .arg(window->objectName(), text.left(40));
            }
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        installChineseFonts();
        testHandler = qInstallMessageHandler(quietHandler);
    }

    void randomUse()
    {
        const quint64 seed = qEnvironmentVariableIsSet("QUORVIT_MONKEY_SEED")
                                 ? qEnvironmentVariable("QUORVIT_MONKEY_SEED").toULongLong()
                                 : std::random_device()();
        const int actions = environmentNumber("QUORVIT_MONKEY_ACTIONS", 30000);
        m_random.seed(seed);
        qInfo("seed %llu, %d actions (QUORVIT_MONKEY_SEED=%llu replays this run)",
              static_cast<unsigned long long>(seed), actions,
              static_cast<unsigned long long>(seed));

        MessageCatcher catcher;
        m_catcher = &catcher;
        start();
        int restarts = 0;
        int finds = 0;
        int quietFinds = 0;
        for (int i = 0; i < actions; ++i) {
            const QList<QWidget *> shown = visibleWindows();
            QWidget *window = shown.first();
            const qsizetype messagesBefore = catcher.seen.size();
            const std::optional<Prediction> prediction = act(window);
            finds += prediction.has_value();
            quietFinds += prediction && prediction->messages.isEmpty();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            const QString fault = check(prediction, window, messagesBefore);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(fault, m_log.mid(m_log.size() - 15).join("\n  "))));
            if (m_log.size() > 100)
                m_log.remove(0, 50);
            if (m_quit) { // "退  出" or the menu's close box: start the program again
                stop();
                start();
                ++restarts;
            }
        }
        stop();
        m_catcher = nullptr;
        qInfo("%d presses of 查找, %d of them without a message; %d messages in all; %d restarts",
              finds, quietFinds, int(catcher.seen.size()), restarts);
        QVERIFY(quietFinds > actions / 100);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
