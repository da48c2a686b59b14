#pragma once

#include <QWidget>

// Stand-in for the FormWN query window until its table and drawing are built: its name, caption,
// size, colour and a working "返回".
class FormWN : public QWidget
{
    Q_OBJECT
public:
    FormWN();
};
