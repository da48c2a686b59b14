#include "app/windows.h"

#include "app/mainmenu.h"
#include "widgets/controls.h"
#include "widgets/textfitting.h"
#include "windows/class/classflangewindow.h"
#include "windows/identify/identifywindow.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/sealing/sealingfaces.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/takeoff/takeoffwindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QEvent>

namespace
{

std::size_t slot(WindowKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

Windows::Windows() = default;

Windows::~Windows()
{
    for (QPointer<QWidget> &window : m_windows)
        delete window.data();
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

void Windows::showMatch(FlangeKind kind, const Rating &rating, PipeSeries series, int dn)
{
    const WindowKind target = kind == FlangeKind::Plate    ? WindowKind::FormPL
                              : kind == FlangeKind::SlipOn ? WindowKind::FormSO
                                                           : WindowKind::FormWN;
    replace(WindowKind::FormIdentify, target);
    static_cast<QueryWindow *>(window(target))->findFor(rating, series, dn);
}

void Windows::showBlindFlanges()
{
    replace(WindowKind::Form1, WindowKind::FormClass);
    static_cast<ClassFlangeWindow *>(window(WindowKind::FormClass))->chooseKind(FlangeKind::Blind);
}

void Windows::exitApplication()
{
    hide(WindowKind::Form1);
    emit quitRequested();
}

void Windows::replace(WindowKind from, WindowKind to)
{
    hide(from);
    show(to);
}

namespace
{

template <typename QueryWindow>
QueryWindow *connectBack(QueryWindow *window, Windows *windows, WindowKind kind)
{
    QObject::connect(window, &QueryWindow::backRequested, windows,
                     [windows, kind] { windows->returnToMenu(kind); });
    return window;
}

} // namespace

QWidget *Windows::create(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Form1: {
        auto *menu = new MainMenu;
        connect(menu, &MainMenu::openRequested, this,
                [this](WindowKind target) { replace(WindowKind::Form1, target); });
        connect(menu, &MainMenu::blindFlangesRequested, this, &Windows::showBlindFlanges);
        connect(menu, &MainMenu::exitRequested, this, &Windows::exitApplication);
        return menu;
    }
    case WindowKind::FormPL:
        return connectBack(new PlateFlangeWindow, this, kind);
    case WindowKind::FormSO:
        return connectBack(new SlipOnFlangeWindow, this, kind);
    case WindowKind::FormWN:
        return connectBack(new WeldNeckFlangeWindow, this, kind);
    case WindowKind::FormMF: {
        auto *chooser = new SealingFaceChooser;
        connect(chooser, &SealingFaceChooser::sheetRequested, this, [this](SealingFace face) {
            replace(WindowKind::FormMF, face == SealingFace::RaisedFace   ? WindowKind::FormRF
                                        : face == SealingFace::MaleFemale ? WindowKind::FormFM
                                                                          : WindowKind::FormTG);
        });
        connect(chooser, &SealingFaceChooser::backRequested, this,
                [this] { replace(WindowKind::FormMF, WindowKind::Form1); });
        return chooser;
    }
    case WindowKind::FormTakeoff:
        return connectBack(new TakeoffWindow, this, kind);
    case WindowKind::FormIdentify: {
        auto *identify = connectBack(new IdentifyWindow, this, kind);
        connect(identify, &IdentifyWindow::matchChosen, this, &Windows::showMatch);
        return identify;
    }
    case WindowKind::FormClass:
        return connectBack(new ClassFlangeWindow, this, kind);
    case WindowKind::FormRF:
        return createSealingSheet(SealingFace::RaisedFace);
    case WindowKind::FormFM:
        return createSealingSheet(SealingFace::MaleFemale);
    case WindowKind::FormTG:
        return createSealingSheet(SealingFace::TongueGroove);
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

namespace
{

struct NamedWindow {
    const char *name;
    WindowKind kind;
};
constexpr NamedWindow NamedWindows[] = {
    {"takeoff", WindowKind::FormTakeoff}, {"identify", WindowKind::FormIdentify},
    {"pl", WindowKind::FormPL},           {"so", WindowKind::FormSO},
    {"wn", WindowKind::FormWN},           {"class", WindowKind::FormClass},
};

} // namespace

std::optional<WindowKind> windowNamed(QStringView name)
{
    for (const NamedWindow &w : NamedWindows)
        if (name.compare(QLatin1String(w.name), Qt::CaseInsensitive) == 0)
            return w.kind;
    return std::nullopt;
}

QString windowNames()
{
    QStringList names;
    for (const NamedWindow &w : NamedWindows)
        names.append(QLatin1String(w.name));
    return names.join(QStringLiteral(", "));
}
