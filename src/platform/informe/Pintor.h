#pragma once
// Dibujo del modelo de páginas: en una impresora (vista previa e impresión) o en un PDF.
#include "platform/informe/Pagina.h"

#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace Informe {

// Dibuja una página con el pintor ya abierto sobre su dispositivo (origen en la esquina de la hoja).
void pintaPagina(const Pagina &pagina, QPainter &pintor);

// Dibuja todas las páginas en la impresora (la usa la vista previa y su botón de imprimir).
void pinta(const Documento &documento, QPrinter *impresora);

// Escribe el documento como PDF (texto real, letras incrustadas). Devuelve un mensaje en
// español si no se pudo, o vacío.
QString escribePdf(const Documento &documento, const QString &archivo);

// Vista previa modal, desde la que el usuario imprime o guarda un PDF; vuelve al cerrarla.
void previsualiza(const Documento &documento, QWidget *padre = nullptr);

} // namespace Informe
