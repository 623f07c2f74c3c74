#pragma once
// Dibujo del modelo de páginas: en un PDF (capa de reglas, Pintor.cpp) o en una impresora con
// su vista previa (capa de ventanas, VistaPrevia.cpp: sólo la enlaza un programa con ventanas).
#include "platform/informe/Pagina.h"

#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace Informe {

// Dibuja una página con el pintor ya abierto sobre su dispositivo (origen en la esquina de la hoja).
void pintaPagina(const Pagina &pagina, QPainter &pintor);

// La hoja del documento, sin márgenes (carta si mide como carta).
QPageLayout disposicion(const Documento &documento);
// Dibuja todas las páginas en un dispositivo paginado cuyo origen es la esquina de la hoja;
// false si el dispositivo no se pudo abrir o terminar.
bool pintaTodo(const Documento &documento, QPagedPaintDevice &dispositivo);

// Capa de ventanas. Dibuja todas las páginas en la impresora (la usa la vista previa y su
// botón de imprimir).
void pinta(const Documento &documento, QPrinter *impresora);

// Escribe el documento como PDF (texto real, letras incrustadas). Devuelve un mensaje en
// español si no se pudo, o vacío.
QString escribePdf(const Documento &documento, const QString &archivo);

// Capa de ventanas. Vista previa modal, desde la que el usuario imprime o guarda un PDF; vuelve al cerrarla.
void previsualiza(const Documento &documento, QWidget *padre = nullptr);

} // namespace Informe
