#pragma once
// Avisos, preguntas y cuadro de captura del programa. Toda ventana los pide aquí, de modo
// que las pruebas puedan contestar por el usuario y leer lo que se mostró. La interfaz es de
// la capa de reglas; la implementación con cuadros de Qt Widgets (`DialogosQt.h`) es de la capa
// de ventanas y se registra sola al cargarse el programa que la trae.
#include <QString>
#include <memory>
#include <optional>

class QWidget;

class Dialogos {
public:
    enum class Icono { Ninguno, Informacion, Advertencia, Error, Pregunta };

    virtual ~Dialogos() = default;
    // Aviso simple con botón Aceptar (título: el del programa).
    virtual void aviso(const QString &texto) = 0;
    // Mensaje con icono y botón Aceptar.
    virtual void mensaje(const QString &texto, Icono icono) = 0;
    // Pregunta con botones Sí y No; true si contesta Sí.
    virtual bool pregunta(const QString &texto, Icono icono = Icono::Pregunta) = 0;
    // Cuadro de captura de una línea; nullopt si el usuario cancela.
    virtual std::optional<QString> entrada(const QString &titulo, const QString &etiqueta,
                                           const QString &inicial = {}) = 0;
    // Recordatorio al entrar en un campo (advertencia): se ve bajo el campo, dentro de su
    // ventana, sin quitarle el teclado, y se va al dejar el campo. Sin implementación propia
    // es un mensaje.
    virtual void recordatorio(const QString &texto, QWidget *campo)
    {
        (void)campo;
        mensaje(texto, Icono::Advertencia);
    }

    // Título de los avisos simples: el nombre del programa.
    static QString tituloPrograma() { return QStringLiteral("Solicitud de Becas Crédito y Crédito Educativo 2004"); }

    static Dialogos &actual();
    static void instala(std::unique_ptr<Dialogos> d);   // las pruebas ponen el suyo

    // Los que actual() crea si nadie instaló otros: los de la capa de ventanas la registran al
    // cargarse. Sin ella (la herramienta de línea de órdenes) los avisos van a la salida de
    // error y las preguntas se contestan que no.
    using Fabrica = std::unique_ptr<Dialogos> (*)();
    static bool registraPredeterminados(Fabrica fabrica);
};

// Atajos
inline Dialogos &dialogos() { return Dialogos::actual(); }
