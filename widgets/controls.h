#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Builders for the controls of the designed windows. Every position and size is in twips
// within the window's client area; every control gets its designed name as objectName.

struct WindowDesign {
    QString name;
    QString caption;
    int clientWidth;
    int clientHeight;
    std::optional<QPoint> clientPosition; // twips on the screen; none: platform placement
    std::optional<QColor> background;     // none: the platform's button face
};

// Names, captions, sizes, places and colours a top-level window as designed; its size is fixed
// and it has no maximise button. Buttons made below press on Enter when focused.
void designWindow(QWidget *window, const WindowDesign &design);

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption,
                       const QRect &twipsGeometry, const std::optional<QFont> &font = {});
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption,
                 const QRect &twipsGeometry, const std::optional<QFont> &font = {});
// A single-line, editable, left-aligned text box holding its initial text.
QLineEdit *addTextBox(QWidget *parent, const QString &name, const QRect &twipsGeometry,
                      const QString &initialText = QStringLiteral(" "),
                      const std::optional<QFont> &font = {});
// A one-line list box (onelinelist.h): single selection; with nothing selected it shows a grey
// "请选择", and once the user has moved it (arrows, wheel, keys) the entry it shows is the one
// selected.
QListWidget *addList(QWidget *parent, const QString &name, const QRect &twipsGeometry,
                     const std::optional<QFont> &font = {});
// A straight line from one point to another, in twips, with a width in pixels.
QWidget *addLine(QWidget *parent, const QString &name, QPoint fromTwips, QPoint toTwips, int width);
// A picture control showing a compiled-in SVG drawing scaled to its rectangle. The drawing is
// parsed once per run, whatever the number of windows that show it.
QWidget *addPicture(QWidget *parent, const QString &name, const QString &svgResource,
                    const QRect &twipsGeometry);

// A control-array member's name: "Label1" and 0 give "Label1(0)".
QString arrayName(const QString &name, int index);

// Sets the tab order: the widgets in the order of their tab indexes.
void setTabSequence(std::initializer_list<QWidget *> widgetsInTabOrder);
