#pragma once
// Descripción única de las tablas de la solicitud y de los catálogos: de ella salen las
// sentencias CREATE de SQLite y las tablas Paradox de la entrega.
#include <QString>
#include <QStringList>
#include <span>

namespace Esquema {

enum class Clase {
    Entero,   // INTEGER
    Real,     // REAL (promedios)
    Texto,    // TEXT de longitud limitada
    Fecha,    // TEXT "dd/mm/yyyy" que debe ser una fecha real, o NULL
    Memo      // TEXT sin límite (motivos)
};

struct Columna {
    const char *nombre;
    Clase clase;
    int longitud = 0;     // caracteres para Texto (campo alfanumérico de la entrega)
};

struct Tabla {
    const char *nombre;           // como se escribe en las sentencias
    const char *archivo;          // nombre del archivo de la entrega, sin extensión
    std::span<const Columna> columnas;
    const char *clavePrimaria;    // columnas de la clave, separadas por coma ("" si no hay)
    bool catalogo;
    bool ordenEspanol = false;    // Nombre/Descripcion se ordenan con la colación española
    const char *csv = nullptr;    // archivo del catálogo en data/catalogos si no es `nombre`
};

std::span<const Tabla> tablas();
const Tabla *busca(const QString &nombre);   // sin importar mayúsculas
QString sentenciaCrear(const Tabla &t);
QStringList nombresColumnas(const Tabla &t);

// Nombre de la colación que ordena textos como se espera en español (Á junto a A, Ñ tras N).
inline constexpr const char *kColacion = "ESPANOL";

} // namespace Esquema
