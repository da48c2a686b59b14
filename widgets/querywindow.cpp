#include "widgets/querywindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

void fillLists(QListWidget *pressures, QListWidget *series, const QStringList &pressureTexts)
{
    pressures->addItems(pressureTexts);
    series->addItems({QStringLiteral("A"), QStringLiteral("B")});
    pressures->setCurrentRow(-1);
    series->setCurrentRow(-1);
}

int selectedIndex(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QLineEdit *textBox(const QWidget *window, int n)
{
    return window->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n),
                                          Qt::FindDirectChildrenOnly);
}

void clearBoxes(const QWidget *window, std::initializer_list<int> boxesInOrder)
{
    for (int n : boxesInOrder)
        textBox(window, n)->setText(QString());
}

QueryRun startQuery(const QWidget *window)
{
    return QueryRun([window](int box) {
        const QLineEdit *edit = textBox(window, box);
        return edit ? edit->text() : QString();
    });
}

void playQuery(QWidget *window, const QueryRun &run)
{
    for (const QueryStep &step : run.steps()) {
        if (step.kind == QueryStep::Kind::Message)
            showMessage(window, step.text);
        else
            textBox(window, step.box)->setText(step.text);
    }
}

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvit"), text, QMessageBox::Ok, parent);
    box.exec();
}

void describeControls(std::initializer_list<ControlHint> hints)
{
    for (const ControlHint &hint : hints) {
        hint.control->setAccessibleName(hint.name);
        hint.control->setToolTip(hint.detail.isEmpty()
                                     ? hint.name
                                     : QStringLiteral("%1（%2）").arg(hint.name, hint.detail));
    }
}

void findOnEnter(QLineEdit *dnBox, QPushButton *find)
{
    dnBox->setToolTip(dnBox->toolTip() + QStringLiteral("，按回车键查找"));
    QObject::connect(dnBox, &QLineEdit::returnPressed, find, &QPushButton::click);
}
