#include "reports/Emblema.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage emblema()
{
    static const QImage imagen = [] {
        const int n = 360;
        QImage im(n, n, QImage::Format_ARGB32_Premultiplied);
        im.fill(Qt::transparent);
        QPainter p(&im);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor azul(0x1f, 0x3a, 0x68), oro(0xc8, 0x9b, 0x3c);
        // Sello: disco azul con anillo dorado.
        p.setPen(Qt::NoPen);
        p.setBrush(oro);
        p.drawEllipse(QRectF(4, 4, n - 8, n - 8));
        p.setBrush(azul);
        p.drawEllipse(QRectF(22, 22, n - 44, n - 44));
        p.setPen(QPen(oro, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(40, 40, n - 80, n - 80));
        // Libro abierto.
        p.setPen(QPen(azul, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        QPainterPath izq, der;
        izq.moveTo(180, 150);
        izq.cubicTo(150, 130, 110, 128, 85, 138);
        izq.lineTo(85, 250);
        izq.cubicTo(110, 240, 150, 242, 180, 262);
        izq.closeSubpath();
        der.moveTo(180, 150);
        der.cubicTo(210, 130, 250, 128, 275, 138);
        der.lineTo(275, 250);
        der.cubicTo(250, 240, 210, 242, 180, 262);
        der.closeSubpath();
        p.drawPath(izq);
        p.drawPath(der);
        // Renglones de las páginas.
        p.setPen(QPen(QColor(0x9a, 0xa8, 0xc0), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const double y = 165 + i * 20;
            p.drawLine(QPointF(100, y), QPointF(165, y + 6));
            p.drawLine(QPointF(195, y + 6), QPointF(260, y));
        }
        // Tres estrellas sobre el libro.
        p.setPen(Qt::NoPen);
        p.setBrush(oro);
        for (int k = -1; k <= 1; ++k) {
            const QPointF c(180 + k * 46, 98 + std::abs(k) * 10);
            QPolygonF estrella;
            for (int i = 0; i < 10; ++i) {
                const double r = (i % 2) ? 6.5 : 16;
                const double a = -M_PI / 2 + i * M_PI / 5;
                estrella << c + QPointF(r * std::cos(a), r * std::sin(a));
            }
            p.drawPolygon(estrella);
        }
        p.end();
        return im;
    }();
    return imagen;
}
