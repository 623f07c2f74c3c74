#include "platform/informe/Pintor.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QDir>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace Informe {
namespace {
double u(double mm) { return mm * kUnidadesPorMm; }
QRectF u(const QRectF &r) { return QRectF(u(r.left()), u(r.top()), u(r.width()), u(r.height())); }
} // namespace

QPageLayout disposicion(const Documento &d)
{
    const bool carta = qAbs(d.papel.width() - 215.9) < 0.5 && qAbs(d.papel.height() - 279.4) < 0.5;
    const QPageSize tamano = carta ? QPageSize(QPageSize::Letter) : QPageSize(d.papel, QPageSize::Millimeter);
    return QPageLayout(tamano, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool pintaTodo(const Documento &d, QPagedPaintDevice &disp)
{
    QPainter p(&disp);
    if (!p.isActive())
        return false;   // el dispositivo no se pudo abrir (p. ej. un archivo en una carpeta que no existe)
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (qsizetype i = 0; i < d.paginas.size(); ++i) {
        if (i > 0)
            disp.newPage();
        pintaPagina(d.paginas.at(i), p);
    }
    return p.end();
}

void pintaPagina(const Pagina &pagina, QPainter &p)
{
    p.save();
    // El modelo está en mm; se dibuja en unidades de 1/1200 de pulgada, las de las letras.
    p.scale(p.device()->logicalDpiX() / 1200.0, p.device()->logicalDpiY() / 1200.0);
    for (const Primitiva &x : pagina.primitivas) {
        switch (x.tipo) {
        case Primitiva::Tipo::Texto:
            p.setFont(x.fuente.qfont());
            p.setPen(x.color);
            p.drawText(QPointF(u(x.caja.left()), u(x.base)), x.texto);
            break;
        case Primitiva::Tipo::Linea:
            p.setPen(QPen(x.color, u(x.grosor), Qt::SolidLine, Qt::SquareCap));
            p.drawLine(QPointF(u(x.caja.left()), u(x.caja.top())), QPointF(u(x.caja.right()), u(x.caja.bottom())));
            break;
        case Primitiva::Tipo::Rectangulo:
            p.setPen(QPen(x.color, u(x.grosor)));
            p.setBrush(x.relleno.isValid() ? QBrush(x.relleno) : QBrush(Qt::NoBrush));
            p.drawRect(u(x.caja));
            p.setBrush(Qt::NoBrush);
            break;
        case Primitiva::Tipo::Imagen:
            if (!x.dibujo.isNull())
                p.drawImage(u(x.caja), x.dibujo);
            break;
        case Primitiva::Tipo::TextoRico: {
            QTextDocument d;
            d.setDefaultFont(x.fuente.qfont());
            d.setDocumentMargin(0);
            d.setHtml(x.texto);
            d.setTextWidth(u(x.caja.width()));
            p.save();
            p.translate(u(x.caja.left()), u(x.caja.top()));
            QAbstractTextDocumentLayout::PaintContext ctx;
            ctx.palette.setColor(QPalette::Text, x.color);
            d.documentLayout()->draw(&p, ctx);
            p.restore();
            break;
        }
        }
    }
    p.restore();
}

namespace {
// La causa de una falla de escritura, dicha al usuario.
QString motivo(const QFileDevice &f)
{
    switch (f.error()) {
    case QFileDevice::ResourceError: return QStringLiteral("no hay espacio suficiente en el disco.");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError: return QStringLiteral("no tiene permiso de escritura en esa carpeta.");
    default: return QStringLiteral("el disco no permitió escribirlo.");
    }
}
} // namespace

QString escribePdf(const Documento &documento, const QString &archivo)
{
    const QString ruta = QFileInfo(archivo).absoluteFilePath();
    const QString noSeEscribio = QStringLiteral("No se pudo escribir el archivo %1: ").arg(QDir::toNativeSeparators(ruta));
    if (QFileInfo(ruta).isDir())
        return noSeEscribio + QStringLiteral("es una carpeta.");
    // El PDF se arma primero en memoria: QPdfWriter no revisa cuántos bytes aceptó el disco,
    // así que se escribe después, de una vez, contando los bytes.
    QByteArray contenido;
    bool pintado = false;
    {
        QBuffer memoria(&contenido);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setResolution(1200);
        pdf.setPageLayout(disposicion(documento));
        pdf.setTitle(documento.titulo);
        pdf.setCreator(QStringLiteral("Solicitud de Becas Crédito y Crédito Educativo 2004"));
        if (documento.paginas.isEmpty()) {
            // Un PDF necesita al menos una página: sale en blanco.
            QPainter p(&pdf);
            pintado = p.isActive() && p.end();
        } else {
            pintado = pintaTodo(documento, pdf);
        }
    }
    if (!pintado || contenido.isEmpty())
        return noSeEscribio + QStringLiteral("el PDF no se pudo terminar.");
    // Se escribe al lado y sólo un PDF completo reemplaza al anterior: un disco lleno o una
    // falla a la mitad dejan el archivo anterior como estaba y ningún temporal.
    QSaveFile destino(ruta);
    if (!destino.open(QIODevice::WriteOnly))
        return noSeEscribio + motivo(destino);
    const qint64 escritos = destino.write(contenido);
    const bool completo = escritos == contenido.size() && destino.flush() && destino.size() == contenido.size();
    if (!completo || destino.error() != QFileDevice::NoError) {
        // Una escritura corta no siempre deja error: casi siempre es un disco lleno.
        const QString causa = destino.error() != QFileDevice::NoError
                                  ? motivo(destino)
                                  : QStringLiteral("no hay espacio suficiente en el disco (se escribieron %1 de %2 bytes).")
                                        .arg(qMax<qint64>(escritos, 0))
                                        .arg(contenido.size());
        destino.cancelWriting();
        destino.commit();   // sólo borra el temporal
        return noSeEscribio + causa;
    }
    if (!destino.commit())
        return noSeEscribio + motivo(destino);
    return {};
}

} // namespace Informe
