#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

// Drives a window's real controls as a user would: find them by name, click list rows, type.

// The named control of a window; a missing control ends the test run with its name.
template <typename T> T *control(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Clicks a row of a one-line list, scrolling it into view first; a negative row clicks nothing.
inline void clickRow(QListWidget *list, int row)
{
    if (row < 0)
        return;
    QListWidgetItem *item = list->item(row);
    // From "请选择" a list's first scroll brings its first entry, so it may take a second.
    for (int scrolls = 0; scrolls < 2; ++scrolls)
        if (!list->viewport()->rect().contains(list->visualItemRect(item).center()))
            list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Clicks into a box, selects what it holds and types over it (an empty text deletes it).
inline void typeOver(QLineEdit *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The object names of the windows on screen, sorted.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names.append(w->objectName());
    names.sort();
    return names;
}
