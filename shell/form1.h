#pragma once

#include <QWidget>

// The main menu: three flange kinds, the blind flange (no window), the sealing faces, exit.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1();
};
