#pragma once

#include <QWidget>

// The three sealing faces the chooser offers, each with a sheet of its own.
enum class SealingFace { RaisedFace, MaleFemale, TongueGroove };

// The sealing-face chooser: raised face, male/female face, tongue/groove face, and back.
class SealingFaceChooser : public QWidget
{
    Q_OBJECT
public:
    SealingFaceChooser();

signals:
    // A face's button: its sheet should take the chooser's place.
    void sheetRequested(SealingFace face);
    // "返回": the menu should take the chooser's place.
    void backRequested();
};

// The sheet of a sealing face (FormRF, FormFM or FormTG): an empty window with its caption.
QWidget *createSealingSheet(SealingFace face);
