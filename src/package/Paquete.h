#pragma once
// Un paquete entregado, leído de vuelta desde su carpeta (el medio o una copia suya): se
// comprueba contra su recibo entrega.sha256, se leen sus tablas Paradox y su solicitud se
// puede revisar en una base temporal o cargar en la base de la solicitud (restaurar).
// Sin ventanas: lo usan solicitud-cli verifica / restaura, la ventana W_Recupera y la
// recepción de paquetes de TALVERO.
#include "platform/ErrorBase.h"
#include "platform/paradox/Paradox.h"
#include "review/Revision.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class CarpetaCerrada;
namespace Base {
class Aparte;
}

class Paquete {
public:
    // Lee el paquete de la carpeta `origen`. Lee a memoria, una sola vez, cada archivo común de
    // la carpeta que nombra el recibo (ni enlaces, ni FIFO, ni carpetas; ninguno de más de lo que
    // puede medir) y compara su huella, así que lo comprobado es justo lo que se lee aunque el
    // medio cambie o se retire después; revisa que los archivos sean exactamente los de la
    // convocatoria del paquete y lee cada tabla con la forma exacta que le da el programa. Lo que
    // el paquete tenga mal queda en problemas(), un renglón por falla que nombra el archivo.
    // Lanza ErrorBase sólo si `origen` no es una carpeta que se pueda abrir.
    explicit Paquete(const QString &origen);
    ~Paquete();
    Paquete(const Paquete &) = delete;
    Paquete &operator=(const Paquete &) = delete;

    const QString &origen() const { return m_origen; }
    // Completo e intacto: el recibo está, todo coincide con él y cada tabla se lee.
    bool integro() const { return m_problemas.isEmpty(); }
    const QStringList &problemas() const { return m_problemas; }

    // General.Convocatoria del paquete (0 si no se pudo leer).
    int convocatoria() const { return m_convocatoria; }
    // Hora de modificación del recibo: la que tenga el medio, que cualquiera puede cambiar;
    // sólo informa.
    QDateTime fecha() const { return m_fecha; }
    // SHA-256 (hex) del archivo entrega.sha256: identifica el paquete. Vacío si no hay recibo.
    QString huellaRecibo() const { return m_huellaRecibo; }
    // Nombre del solicitante como se imprime (nombres y apellidos); vacío si no lo trae.
    QString solicitante() const;

    // Las filas de una tabla del paquete (por el nombre de la tabla en la base: "Persona",
    // "Cat_Municipio"), con las columnas en el orden del esquema; nullptr si no la trae o si
    // no se pudo leer.
    const Paradox::TablaLeida *tabla(const QString &nombre) const;

    // Resultado de cargar el paquete en una base.
    struct Carga {
        int filas = 0;               // filas de la solicitud escritas
        int catalogoAgregadas = 0;   // renglones de catálogo que la base no tenía
        int catalogoCorregidas = 0;  // renglones con la misma clave y otro contenido
    };

    // Reemplaza la solicitud de la base activa por la del paquete, en una sola transacción:
    // vacía las tablas de la solicitud (las del crédito sólo si el paquete las trae), escribe
    // las filas del paquete y pone en los catálogos de estados, ciudades, municipios e
    // instituciones los renglones del paquete que falten o digan otra cosa, para que cada
    // lugar se imprima como antes. Si la base ya tiene una solicitud y no `reemplaza`, lanza
    // ErrorBase sin tocar nada; también si el paquete no está íntegro.
    Carga restaura(bool reemplaza) const;

    // La revisión de inconsistencias de la solicitud del paquete, en una base temporal.
    Revision::Resultado revisa() const;

    // ¿La base activa tiene una solicitud? (alguna fila en las tablas que vacía "Inicializa
    // Solicitud").
    static bool haySolicitud();

private:
    void leeRecibo(const CarpetaCerrada &carpeta);
    void leeTablas();
    Paradox::Archivos archivosDe(const Esquema::Tabla &t) const;

    QString m_origen;
    QHash<QString, QByteArray> m_leidos;   // archivos intactos, por nombre, mientras se leen las tablas
    QStringList m_problemas;
    int m_convocatoria = 0;
    QDateTime m_fecha;
    QString m_huellaRecibo;
    QHash<QString, Paradox::TablaLeida> m_tablas;   // llave: nombre de la tabla en minúsculas
};

// Una base de la solicitud nueva, en una carpeta temporal, con los catálogos del programa y
// la solicitud del paquete cargada. Mientras el objeto vive es la base activa de este hilo
// (Consulta, Revision::revisa y los reportes trabajan sobre ella); la base del usuario, si
// está abierta, no se toca y vuelve a ser la activa al destruirlo. Lanza ErrorBase.
class BaseDePaquete {
public:
    explicit BaseDePaquete(const Paquete &paquete);
    ~BaseDePaquete();
    BaseDePaquete(const BaseDePaquete &) = delete;
    BaseDePaquete &operator=(const BaseDePaquete &) = delete;

    // Archivo SQLite de la base temporal (se borra con el objeto).
    QString archivo() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Base::Aparte> m_aparte;
};
