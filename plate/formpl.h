#pragma once

#include <QWidget>

// Stand-in for the FormPL query window until its table and drawing are built: its name, caption,
// size, colour and a working "返回".
class FormPL : public QWidget
{
    Q_OBJECT
public:
    FormPL();
};
