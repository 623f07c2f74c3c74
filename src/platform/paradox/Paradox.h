#pragma once
// Tablas Paradox de la entrega: cada tabla de la base se escribe, con pxlib y en la página de
// códigos Windows-1252, como su archivo de datos (.db), su índice primario (.px) y, si tiene
// columnas memo, su archivo de memos (.mb). Se leen de vuelta, para comprobar la entrega y al
// recibir un paquete, con un lector propio que no se fía de los archivos (Lector.cpp).
//
// Decisiones de formato:
// - Entero → entero largo (4 bytes), Real → número (8 bytes), Fecha → fecha (días desde el
//   1/1/1), Texto → alfanumérico de la longitud del esquema (1 a 255), Memo → memo con 1
//   carácter en el registro y, si es más largo, entero en el .mb, cada uno en un bloque propio
//   de 4 KB o más. NULL y el texto vacío quedan en blanco.
// - Tabla con llave: la llave del esquema, si sus columnas son las primeras de la tabla
//   (Paradox exige que la llave vaya al principio). Los registros se escriben en orden de
//   llave y el .px tiene una entrada por bloque de datos. Una tabla sin llave, o cuya llave no
//   va al principio, se escribe sin llave y sin .px.
// - Bloques de 4 KB; una tabla cuyos registros pasan de 1,350 bytes (en una tabla con llave
//   Paradox pide que quepan al menos tres por bloque) usa bloques de 16 KB o, si aún no caben,
//   de 32 KB. El .px usa bloques de 2 KB.
// - Nada se trunca ni se sustituye: un texto más largo que su campo, un carácter que
//   Windows-1252 no tiene o un número fuera del rango del campo detienen la escritura con
//   ErrorBase.
#include "platform/ErrorBase.h"
#include "platform/Esquema.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Paradox {

// Un campo de una tabla Paradox tal como lo describe su encabezado.
struct Campo {
    QString nombre;
    int tipo = 0;        // código de tipo de Paradox (1 alfanumérico, 2 fecha, 4 entero largo, 6 número, 12 memo)
    int longitud = 0;    // bytes en el registro
};

// Tabla leída de vuelta. Cada fila trae un valor por campo, en orden físico:
// qint64 (entero largo), double (número), QString "dd/mm/yyyy" (fecha), QString (alfanumérico
// y memo); QVariant() para un campo en blanco.
struct TablaLeida {
    QString nombreTabla;       // el que guarda el encabezado
    QList<Campo> campos;
    int camposLlave = 0;
    int tamanoRegistro = 0;
    int tamanoBloque = 0;      // bytes
    int paginaCodigos = 0;
    bool conIndice = false;    // se leyó a través del .px
    QList<QVariantList> filas;
    // Entradas del primer nivel del .px: primera llave de cada bloque de datos, el bloque y
    // cuántos registros tiene.
    struct Entrada {
        QVariant llave;
        int bloque = 0;
        int registros = 0;
    };
    QList<Entrada> indice;
};

// Archivos de una tabla, en el orden de la entrega: .db, .px (si lleva llave), .mb (si lleva memos).
QStringList archivosDe(const Esquema::Tabla &t);

// ¿Se escribe con llave (y .px)?
bool conLlave(const Esquema::Tabla &t);

// Escribe la tabla desde la base abierta en la carpeta (que debe existir), reemplazando los
// archivos de ese nombre. Devuelve las rutas completas de los archivos escritos, en el orden
// de archivosDe(). Si falla, borra lo que alcanzó a escribir y lanza ErrorBase.
QStringList escribeTabla(const Esquema::Tabla &t, const QString &carpetaDestino);

// Los archivos de una tabla tal como llegaron: el .db y, si la tabla los lleva, el .px y el .mb
// (nulos si no vinieron).
struct Archivos {
    QString nombreDb;            // para los mensajes
    QByteArray db;
    const QByteArray *px = nullptr;
    const QByteArray *mb = nullptr;
};

// Lee una tabla del esquema desde sus bytes, sin fiarse de ellos: cada campo, largo, bloque y
// memo se compara con lo que el programa escribe para esa tabla y con el tamaño de los
// archivos; cada valor pasa las reglas de la entrega (Rechazo.h). Lo que no coincide lanza
// ErrorBase con un mensaje que nombra el archivo («… no es una tabla de esta versión del
// programa: …»). Memoria y tiempo proporcionales a los archivos; no usa pxlib.
TablaLeida leeTabla(const Esquema::Tabla &t, const Archivos &archivos);

// Lo mismo desde la ruta del .db, con el .px y el .mb del mismo nombre que estén al lado; la
// tabla del esquema se reconoce por el nombre del archivo.
TablaLeida leeTabla(const QString &archivoDb);

// Bytes que puede medir cada archivo de una tabla entregada: muchas veces lo que mide la mayor
// que escribe el programa, y nada de lo que se lea pasa de ahí.
inline constexpr qint64 kMaximoArchivoTabla = 16 * 1024 * 1024;

// Las filas de la tabla de la base como las guarda la entrega: en orden de llave, con texto
// vacío como NULL; mismas clases de valor que TablaLeida::filas.
QList<QVariantList> filasDeBase(const Esquema::Tabla &t);

// Lee de vuelta la tabla escrita en la carpeta y la compara con la base: mismos campos, mismas
// filas, mismos valores. Lanza ErrorBase (en español, con la primera diferencia) si no coincide.
void verificaTabla(const Esquema::Tabla &t, const QString &carpeta);

// Días que Paradox guarda para una fecha (1 = 1/1/1).
qint32 diaParadox(int anio, int mes, int dia);

} // namespace Paradox
