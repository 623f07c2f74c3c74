#pragma once
// Registro de las clases de prueba de un ejecutable: cada archivo registra la suya y el
// main común las ejecuta todas (o sólo la de la variable PRUEBA=Clase).
#include <QObject>
#include <QtTest>
#include <functional>

namespace Pruebas {
// Teclea un texto en el control como lo haría el usuario, acentos y eñes incluidos
// (QTest::keyClicks sólo acepta ASCII).
void escribe(QWidget *w, const QString &texto);
int registra(const char *nombre, std::function<QObject *()> fabrica);
int ejecutaTodas(int argc, char **argv);
}

#define REGISTRA_PRUEBA(Clase) \
    namespace { [[maybe_unused]] const int prueba_##Clase = Pruebas::registra(#Clase, [] { return new Clase; }); }
