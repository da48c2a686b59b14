#pragma once

#include "app/windowkind.h"
#include "catalogue/catalogue.h"

#include <QObject>
#include <QPointer>
#include <QStringView>
#include <QWidget>
#include <array>
#include <optional>

// The windows of one run: at most one instance of each kind, created (with its load step) the
// first time it is shown or hidden, kept while hidden, discarded by its close box.
//
// Closing rules: the menu's close box ends the application; a query window's, the chooser's,
// the take-off's or the identification's close box shows the menu again; a sheet's close box shows
// the chooser again. So exactly one window is on screen while the program runs. The windows ask for
// navigation with signals; the registry, which made them, answers.
class Windows : public QObject
{
    Q_OBJECT
public:
    Windows();
    ~Windows() override;
    Q_DISABLE_COPY_MOVE(Windows)

    void show(WindowKind kind);
    void hide(WindowKind kind);
    // The instance, created if absent.
    QWidget *window(WindowKind kind);
    // The instance if loaded, else nullptr.
    QWidget *existing(WindowKind kind) const;

    // A match chosen in the identification window: its kind's query window takes the
    // identification's place and looks the row up as a user would.
    void showMatch(FlangeKind kind, const Rating &rating, PipeSeries series, int dn);
    // "BL(法兰盖)": the Class series' window takes the menu's place, on blind flanges.
    void showBlindFlanges();

    // "返回" of a query window: the menu first, then hide the query window.
    void returnToMenu(WindowKind from);
    // "退  出": hide the menu, then end the application.
    void exitApplication();

signals:
    // The application should end now.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *create(WindowKind kind);
    // Hide one window, then show the other, so the screen is never empty.
    void replace(WindowKind from, WindowKind to);
    void closed(WindowKind kind);

    std::array<QPointer<QWidget>, 11> m_windows;
};

// The window `quorvit --window NAME` opens at start: "takeoff", "identify", "pl", "so", "wn",
// "class";
// nullopt for any other name.
std::optional<WindowKind> windowNamed(QStringView name);
// The names windowNamed knows, for a message.
QString windowNames();
