// pxlib se carga la primera vez que se escribe una tabla Paradox, no al arrancar: ella y lo que
// arrastra (libgsf, libxml2, la E/S de GLib) no hacen falta para abrir el programa. Sólo
// escribe: lo que llega de fuera (un paquete) se lee con el lector propio (Lector.cpp).
// El programa no se enlaza con pxlib; estas funciones llevan los nombres y firmas de
// <paradox.h> que usa Paradox.cpp y llaman a las de la biblioteca, cargada con QLibrary y
// resuelta entera de una vez (si falta algo, nada queda a medias).
#include "platform/ErrorBase.h"

#include <QLibrary>

extern "C" {
#include <paradox.h>
}

// Tipo de retorno, nombre, parámetros y argumentos de cada función de pxlib que se usa.
#define FUNCIONES_PXLIB(X)                                                                                        \
    X(pxdoc_t *, PX_new3,                                                                                         \
      (void (*error)(pxdoc_t *, int, const char *, void *), void *(*pide)(pxdoc_t *, size_t, const char *),       \
       void *(*agranda)(pxdoc_t *, void *, size_t, const char *), void (*libera)(pxdoc_t *, void *), void *datos), \
      (error, pide, agranda, libera, datos))                                                                      \
    X(int, PX_create_fp, (pxdoc_t * doc, pxfield_t *campos, int n, FILE *f, int tipo), (doc, campos, n, f, tipo)) \
    X(int, PX_write_primary_index, (pxdoc_t * doc, pxdoc_t *indice), (doc, indice))                               \
    X(int, PX_put_record, (pxdoc_t * doc, char *dato), (doc, dato))                                               \
    X(void, PX_close, (pxdoc_t * doc), (doc))                                                                     \
    X(void, PX_delete, (pxdoc_t * doc), (doc))                                                                    \
    X(int, PX_get_recordsize, (pxdoc_t * doc), (doc))                                                             \
    X(int, PX_set_value, (pxdoc_t * doc, const char *nombre, float valor), (doc, nombre, valor))                  \
    X(int, PX_set_tablename, (pxdoc_t * doc, const char *nombre), (doc, nombre))                                  \
    X(void, PX_put_data_alpha, (pxdoc_t * doc, char *dato, int n, char *valor), (doc, dato, n, valor))            \
    X(void, PX_put_data_double, (pxdoc_t * doc, char *dato, int n, double valor), (doc, dato, n, valor))          \
    X(void, PX_put_data_long, (pxdoc_t * doc, char *dato, int n, int valor), (doc, dato, n, valor))               \
    X(char *, PX_strdup, (pxdoc_t * doc, const char *texto), (doc, texto))

namespace {

struct Pxlib {
#define CAMPO(tipo, nombre, parametros, argumentos) tipo(*nombre) parametros = nullptr;
    FUNCIONES_PXLIB(CAMPO)
#undef CAMPO
};

Pxlib carga()
{
    // Queda cargada hasta el final: el QLibrary se destruye sin descargarla.
    QLibrary biblioteca(QStringLiteral(BIBLIOTECA_PXLIB));
    const QString falla = QStringLiteral("No se pudo cargar la biblioteca de tablas Paradox (%1); "
                                         "instale el paquete pxlib1.").arg(QStringLiteral(BIBLIOTECA_PXLIB));
    if (!biblioteca.load())
        throw ErrorBase(falla, biblioteca.errorString(), true);
    Pxlib p;
#define RESUELVE(tipo, nombre, parametros, argumentos)                                    \
    p.nombre = reinterpret_cast<tipo(*) parametros>(biblioteca.resolve(#nombre));     \
    if (!p.nombre)                                                                        \
        throw ErrorBase(falla, biblioteca.errorString(), true);
    FUNCIONES_PXLIB(RESUELVE)
#undef RESUELVE
    return p;
}

// Si la carga falla se lanza el error y el siguiente uso vuelve a intentarla.
const Pxlib &pxlib()
{
    static const Pxlib p = carga();
    return p;
}

} // namespace

extern "C" {
#define REENVIA(tipo, nombre, parametros, argumentos) \
    tipo nombre parametros { return pxlib().nombre argumentos; }
FUNCIONES_PXLIB(REENVIA)
#undef REENVIA
}
