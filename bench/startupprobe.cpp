// Preloaded (LD_PRELOAD) into a Qt program by the start-up benchmark. When the program's first
// window has been painted, it writes the CLOCK_MONOTONIC time in nanoseconds and the peak
// resident memory in kB to the file descriptor named by QUORVIT_PROBE_FD, and ends the process
// on the spot.
#include "peakmemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace
{

int probeFd = -1;

void report()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    dprintf(probeFd, "%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
            peakResidentKilobytes());
    _exit(0);
}

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window paints itself first and its children in the same pass; report after it.
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, &report);
        }
        return false;
    }

private:
    bool m_seen = false;
};

void watchFirstPaint()
{
    qApp->installEventFilter(new FirstPaint(qApp));
}

const bool installed = [] {
    if (const char *fd = std::getenv("QUORVIT_PROBE_FD")) {
        probeFd = std::atoi(fd);
        qAddPreRoutine(&watchFirstPaint);
    }
    return true;
}();

} // namespace
