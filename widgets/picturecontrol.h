#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture control showing a compiled-in SVG drawing scaled to its rectangle. The drawing is
// parsed once per run, whatever the number of windows that show it.
class PictureControl : public QWidget
{
public:
    PictureControl(QWidget *parent, const QString &resource);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_resource;
    QSvgRenderer *m_renderer;
};
