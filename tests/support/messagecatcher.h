#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

// While it lives, answers every modal message box the program opens: records what it showed
// (and what the given probe saw at that moment) and presses its OK button, or the button named
// by `press` when the box has one, as a user would.
class MessageCatcher : public QObject
{
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
        bool hasOk;
        QString okText;
        bool modal;
        int width; // pixels, frame excluded
    };

    MessageCatcher()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &MessageCatcher::answer);
        m_timer.start();
    }

    // Something to look at while the box is up (for example a text box of the window).
    std::function<QString()> probe;
    QMessageBox::StandardButton press = QMessageBox::Ok;
    QStringList probed;

    QList<Seen> seen;

    QStringList texts() const
    {
        QStringList all;
        for (const Seen &s : seen)
            all.append(s.text);
        return all;
    }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        seen.append({box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()),
                     ok != nullptr, ok ? ok->text() : QString(), box->isModal(), box->width()});
        if (probe)
            probed.append(probe());
        if (QAbstractButton *chosen = box->button(press))
            chosen->click();
        else if (ok)
            ok->click();
        else
            box->reject();
    }

    QTimer m_timer;
};
