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

// The sheet of a sealing face (FormRF, FormFM or FormTG): a window with its caption and a line
// saying that the face's dimensions are not yet included and what data they would need.
QWidget *createSealingSheet(SealingFace face);
