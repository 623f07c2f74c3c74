#pragma once
// La memoria USB de las pruebas que la usan entera: a: removible y el disco del equipo como
// c:, en una carpeta temporal, instalados como las unidades del programa mientras vive.
#include "platform/volumenes/Volumenes.h"

#include <QTemporaryDir>
#include <memory>

struct Memoria {
    QTemporaryDir dir;
    Memoria()
    {
        auto v = std::make_unique<VolumenesSimulados>(dir.path());
        v->agrega(u'a', true);
        v->agrega(u'c', false);
        Volumenes::instala(std::move(v));
    }
    ~Memoria() { Volumenes::instala(nullptr); }
    QString raiz() const { return dir.path() + QStringLiteral("/a"); }
};
