#pragma once
// Una base de la solicitud aparte de la carpeta de tablas: un archivo temporal del programa,
// como la copia donde se revisa un paquete entregado. Mientras el objeto vive es la base activa
// de este hilo (Consulta y Transaccion trabajan sobre ella); la base de la carpeta, si está
// abierta, sigue abierta con su cerrojo y vuelve a ser la activa al destruirlo. Los objetos se
// destruyen en orden inverso al de su creación.
#include "platform/ErrorBase.h"
#include <QString>

namespace Base {

class Aparte {
public:
    // Abre el archivo; si no existe, lo crea con las tablas y los catálogos. No toma el
    // cerrojo de ninguna carpeta. Lanza ErrorBase.
    explicit Aparte(const QString &archivo);
    ~Aparte();
    Aparte(const Aparte &) = delete;
    Aparte &operator=(const Aparte &) = delete;

private:
    QString m_nombre;
    QString m_anterior;
};

} // namespace Base
