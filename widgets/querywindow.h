#pragma once

#include "core/values/queryrun.h"
#include "core/values/types.h"

#include <QStringList>
#include <initializer_list>

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The pieces the three query windows share: their lists, their boxes, their messages.

// The load step: the pressures into the first list, "A" and "B" into the second, nothing selected.
void fillLists(QListWidget *pressures, QListWidget *series, const QStringList &pressureTexts);

// The selected row of a list, -1 while nothing is selected.
int selectedIndex(const QListWidget *list);

// The box "Text<n>" of a window.
QLineEdit *textBox(const QWidget *window, int n);

// "清除": the given boxes, in this order, get the empty text. Lists are left alone.
void clearBoxes(const QWidget *window, std::initializer_list<int> boxesInOrder);

// A run that starts from what the window's boxes hold now.
QueryRun startQuery(const QWidget *window);

// Writes and messages of a finished run, in the order the procedure took them.
void playQuery(QWidget *window, const QueryRun &run);

// The modal message box: application title, the text, an OK button only, no icon.
void showMessage(QWidget *parent, const QString &text);

// What a control holds, said in Chinese for the mouse and for screen readers: the name is the
// accessible name, and the tooltip is the name with its unit or values in brackets.
struct ControlHint {
    QWidget *control;
    QString name;
    QString detail = {}; // the unit ("mm") or the values ("A 或 B"); none for plain texts
};
void describeControls(std::initializer_list<ControlHint> hints);

// Enter in the DN box presses "查找".
void findOnEnter(QLineEdit *dnBox, QPushButton *find);
