#include "exports/svgwriter.h"

#include "drawing/drawingsheet.h"
#include "exports/drawingpainter.h"
#include "files/atomicfile.h"
#include "takeoff/outputtext.h"
#include "takeoff/writeall.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

QString writeSvg(const FlangeDrawing &drawing, const QString &path)
{
    // The sheet at its paper size, at 254 dots per inch (ten dots a millimetre): the generator
    // writes the size in mm from dots and resolution, and the viewBox gives one user unit a
    // millimetre of paper.
    const QSize mm(int(std::ceil(drawing.paper.sizeMm.width())),
                   int(std::ceil(drawing.paper.sizeMm.height())));
    return writeOutputFile(path, [&](QIODevice &device) {
        // Made in memory first: the generator escapes markup but writes any character, and
        // what XML forbids is replaced before the file is written.
        QBuffer made;
        QSvgGenerator svg;
        svg.setOutputDevice(&made);
        svg.setResolution(254);
        svg.setSize(mm * 10);
        svg.setViewBox(QRectF(QPointF(0, 0), mm));
        svg.setTitle(drawing.title);
        svg.setDescription(QStringLiteral("Quorvit, %1 %2, millimetres")
                               .arg(drawing.paper.name, scaleText(drawing.paper.scale)));
        QPainter painter;
        if (!painter.begin(&svg))
            return QStringLiteral("the SVG generator did not start");
        paintDrawing(painter, drawing, {{0, 0}, 1.0 / drawing.paper.scale, 1.0});
        painter.end();
        const QByteArray bytes = writableText(QString::fromUtf8(made.data())).toUtf8();
        return writeAll(device, bytes);
    });
}
