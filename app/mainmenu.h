#pragma once

#include "app/windowkind.h"

#include <QWidget>

// The main menu: three flange kinds, the blind flange (no window), the sealing faces, exit; below
// them the take-off and the identification, also in its context menu and on Ctrl+T, Ctrl+I.
class MainMenu : public QWidget
{
    Q_OBJECT
public:
    MainMenu();

signals:
    // A button's window should take the menu's place.
    void openRequested(WindowKind kind);
    // "退  出": the program should end.
    void exitRequested();
};
