#pragma once
// Ejecuta solicitud-cli desde una prueba y devuelve su código y sus salidas.
#include <QString>
#include <QStringList>

struct SalidaCli {
    int codigo = -1;   // -1 si no terminó o terminó por una señal
    QString salida, error;
};

SalidaCli corre(const QStringList &argumentos, int esperaMs = 60000);
