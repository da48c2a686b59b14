#pragma once

#include "shell/windows.h"

#include <QWidget>

// The sealing-face chooser: raised face, male/female face, tongue/groove face, and back.
class FormMF : public QWidget
{
    Q_OBJECT
public:
    FormMF();
};

// The sheet of a sealing face (FormRF, FormFM or FormTG): an empty window with its caption.
QWidget *createSheet(WindowKind kind);
