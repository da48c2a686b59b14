#pragma once

#include "app/windowkind.h"

#include <QWidget>

// The main menu: three flange kinds, the blind flange (the Class series' window on blind flanges),
// the sealing faces, exit; below them the take-off, the identification and the Class series, also
// in its context menu and on Ctrl+T, Ctrl+I, Ctrl+K.
class MainMenu : public QWidget
{
    Q_OBJECT
public:
    MainMenu();

signals:
    // A button's window should take the menu's place.
    void openRequested(WindowKind kind);
    // "BL(法兰盖)": the Class series' window, on blind flanges.
    void blindFlangesRequested();
    // "退  出": the program should end.
    void exitRequested();
};
