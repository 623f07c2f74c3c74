#pragma once
// Registro por nombre que llenan las unidades del programa al cargarse (ventanas, órdenes de
// la herramienta, reportes): cada una agrega lo suyo y las demás lo piden por nombre sin
// depender de su clase. El mapa nace en el primer uso, así no importa en qué orden se
// inicializan las unidades. Con `sinMayusculas`, el nombre se busca sin importar mayúsculas y
// se conserva como se registró.
#include <QMap>
#include <QString>
#include <QStringList>

template <typename Valor, bool sinMayusculas = false>
class Registro {
public:
    static bool registra(const QString &nombre, Valor valor)
    {
        mapa().insert(clave(nombre), {nombre, std::move(valor)});
        return true;
    }
    // nullptr si no está registrado.
    static const Valor *busca(const QString &nombre)
    {
        const auto it = mapa().constFind(clave(nombre));
        return it == mapa().cend() ? nullptr : &it->valor;
    }
    // Nombres como se registraron, en orden alfabético.
    static QStringList nombres()
    {
        QStringList r;
        for (const Entrada &e : mapa())
            r << e.nombre;
        return r;
    }

private:
    struct Entrada {
        QString nombre;
        Valor valor;
    };
    static QString clave(const QString &nombre) { return sinMayusculas ? nombre.toUpper() : nombre; }
    static QMap<QString, Entrada> &mapa()
    {
        static QMap<QString, Entrada> m;
        return m;
    }
};
