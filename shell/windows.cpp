#include "shell/windows.h"

#include "plate/formpl.h"
#include "shell/controls.h"
#include "shell/form1.h"
#include "shell/sealingfaces.h"
#include "slipon/formso.h"
#include "weldneck/formwn.h"

#include <QEvent>

namespace
{

Windows *current = nullptr;

std::size_t slot(WindowKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

Windows::Windows()
{
    Q_ASSERT(!current);
    current = this;
}

Windows::~Windows()
{
    for (QPointer<QWidget> &window : m_windows)
        delete window.data();
    current = nullptr;
}

Windows &Windows::instance()
{
    Q_ASSERT(current);
    return *current;
}

void Windows::show(WindowKind kind)
{
    QWidget *target = window(kind);
    target->show();
    target->raise();
    target->activateWindow();
}

void Windows::hide(WindowKind kind)
{
    window(kind)->hide();
}

QWidget *Windows::window(WindowKind kind)
{
    QPointer<QWidget> &instance = m_windows[slot(kind)];
    if (!instance) {
        instance = create(kind);
        fitCaptions(instance);
        instance->setAttribute(Qt::WA_DeleteOnClose);
        instance->installEventFilter(this);
    }
    return instance;
}

QWidget *Windows::existing(WindowKind kind) const
{
    return m_windows[slot(kind)];
}

void Windows::returnToMenu(WindowKind from)
{
    show(WindowKind::Form1);
    hide(from);
}

void Windows::exitApplication()
{
    hide(WindowKind::Form1);
    emit quitRequested();
}

QWidget *Windows::create(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Form1:
        return new Form1;
    case WindowKind::FormPL:
        return new FormPL;
    case WindowKind::FormSO:
        return new FormSO;
    case WindowKind::FormWN:
        return new FormWN;
    case WindowKind::FormMF:
        return new FormMF;
    case WindowKind::FormRF:
    case WindowKind::FormFM:
    case WindowKind::FormTG:
        return createSheet(kind);
    }
    Q_UNREACHABLE();
}

bool Windows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        for (std::size_t i = 0; i < m_windows.size(); ++i) {
            if (m_windows[i] == watched) {
                const bool wasVisible = m_windows[i]->isVisible();
                // Forget it now, so the next show creates it afresh; Qt deletes it later.
                m_windows[i] = nullptr;
                if (wasVisible)
                    closed(static_cast<WindowKind>(i));
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void Windows::closed(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Form1:
        emit quitRequested();
        break;
    case WindowKind::FormRF:
    case WindowKind::FormFM:
    case WindowKind::FormTG:
        show(WindowKind::FormMF);
        break;
    default:
        show(WindowKind::Form1);
        break;
    }
}
