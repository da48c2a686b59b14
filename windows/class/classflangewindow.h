#pragma once

#include "catalogue/catalogue.h"

#include <QList>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Class series (ASME B16.5 / HG/T 20615): kind, class, pipe size and, for a weld-neck flange,
// the schedule it is bored to in; "查找" writes the record onto the dimension lines of a drawing
// of that kind with its raised face, the studs and nuts to order, the gasket and the computed
// weight. A small panel beside gives the chosen class's maximum working pressure for a material
// at a temperature.
class ClassFlangeWindow : public QWidget
{
    Q_OBJECT
public:
    ClassFlangeWindow();

    // Shows the kind as chosen in the kind list (BL with its note on the PN series).
    void chooseKind(FlangeKind kind);
    // "查找": reads the choices and the size box; the record, or the window's message.
    void find();

    // The record the last "查找" found, none after a failed one.
    const std::optional<FlangeRecord> &shown() const { return m_shown; }

signals:
    // "返回": the menu should take this window's place.
    void backRequested();

private:
    std::optional<FlangeKind> chosenKind() const;
    std::optional<Rating> chosenClass() const;
    void kindChanged();
    void clearResults();
    void showRecord(const FlangeRecord &record);
    void updateRating();

    QListWidget *m_kinds;
    QListWidget *m_classes;
    QListWidget *m_schedules;
    QLineEdit *m_size;
    QList<QWidget *> m_pictures; // one drawing a kind, the chosen one shown
    QLabel *m_title;
    QLabel *m_note;
    // The value boxes on the drawing, each with the record's field key it shows.
    QList<std::pair<QLineEdit *, const char *>> m_fieldBoxes;
    QLineEdit *m_callout;
    QLineEdit *m_studs;
    QLineEdit *m_studCount;
    QLineEdit *m_nuts;
    QLineEdit *m_gasket;
    QLineEdit *m_weight;
    QLineEdit *m_material;
    QLineEdit *m_temperature;
    QLabel *m_rating;
    std::optional<FlangeRecord> m_shown;
};
