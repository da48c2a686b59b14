#include "widgets/picturecontrol.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QSvgRenderer>

namespace
{

// One parsed renderer per drawing for the whole run.
QSvgRenderer *sharedRenderer(const QString &resource)
{
    static QHash<QString, QPointer<QSvgRenderer>> renderers;
    QPointer<QSvgRenderer> &renderer = renderers[resource];
    if (!renderer)
        renderer = new QSvgRenderer(resource, qApp);
    return renderer;
}

} // namespace

PictureControl::PictureControl(QWidget *parent, const QString &resource)
    : QWidget(parent), m_resource(resource), m_renderer(sharedRenderer(resource))
{
    setFocusPolicy(Qt::NoFocus);
}

// Rendering the drawing costs far more than copying it, and every box written on it repaints
// what lies beneath: render it once per size and scale for the run, copy it at every paint.
void PictureControl::paintEvent(QPaintEvent *)
{
    const qreal scale = devicePixelRatioF();
    const QString key =
        QStringLiteral("%1 %2x%3@%4").arg(m_resource).arg(width()).arg(height()).arg(scale);
    QPixmap drawing;
    if (!QPixmapCache::find(key, &drawing)) {
        drawing = QPixmap(size() * scale);
        drawing.setDevicePixelRatio(scale);
        drawing.fill(Qt::transparent);
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&painter, QRectF(rect()));
        painter.end();
        QPixmapCache::insert(key, drawing);
    }
    QPainter(this).drawPixmap(0, 0, drawing);
}
