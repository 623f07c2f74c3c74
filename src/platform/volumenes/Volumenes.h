#pragma once
// Unidades a las que se copia la entrega: la lista de unidades, su espacio libre y una copia
// segura de archivos. En Linux los medios removibles montados bajo /media, /run/media o /mnt
// en los que se puede escribir hacen de unidades A: y B:; los demás volúmenes montados (también
// los de sólo lectura) se listan con las letras siguientes.
// Las pruebas instalan VolumenesSimulados (carpetas temporales que hacen de unidades).
#include "platform/ErrorBase.h"
#include <QList>
#include <QString>
#include <memory>

class Volumenes {
public:
    struct Unidad {
        QChar letra;             // 'a', 'b' (removibles), 'c', 'd'... (los demás)
        QString raiz;            // carpeta donde está montada
        QString nombre;          // etiqueta del volumen, o la carpeta si no tiene
        bool removible = false;  // medio removible en el que se puede escribir: A: o B:
        QString texto() const;   // como en la lista de unidades: "a: [USB]"
    };

    virtual ~Volumenes() = default;

    // Las unidades presentes, en orden de letra.
    virtual QList<Unidad> unidades() = 0;
    // Bytes libres de la unidad; -1 si no está o no tiene un medio legible.
    virtual qint64 espacioLibre(QChar letra) = 0;
    // Carpeta raíz de la unidad; vacía si no está.
    QString raiz(QChar letra);

    // Copia un archivo a una unidad sin dejar nunca a medias el de ese nombre: escribe un
    // temporal junto al destino, lo fuerza al disco, lo renombra y luego relee la copia y la
    // compara con el original. Si la copia no coincide la borra. Cualquier falla lanza
    // ErrorBase con un mensaje en español que nombra el archivo.
    void copia(const QString &origen, const QString &destino);
    // Relee el destino y lo compara byte a byte con el origen; lanza ErrorBase si difieren.
    void compara(const QString &origen, const QString &destino);

    // Identidad del medio en que está una carpeta: su dispositivo (st_dev) y su sistema de
    // archivos (f_fsid y f_type de statfs). Una memoria retirada (también con umount -l, que
    // deja la carpeta en el disco de la computadora) o cambiada por otra da otra identidad.
    struct Medio {
        bool presente = false;
        quint64 dispositivo = 0;
        quint64 sistema = 0;
        qint64 tipo = 0;
        bool operator==(const Medio &) const = default;
    };
    static Medio medio(const QString &carpeta);
    // Fuerza al medio de la carpeta todo lo escrito en él (syncfs). ErrorBase si falla.
    static void sincroniza(const QString &carpeta);

    // Pone letras: los dos primeros removibles son a y b; los demás siguen desde la c.
    static QList<Unidad> asignaLetras(QList<Unidad> unidades);
    // ¿La carpeta es de un medio removible (bajo /media, /run/media o /mnt)?
    static bool rutaRemovible(const QString &raiz);
    // ¿Se ofrece para la entrega? Removible, montado para escribir y con permiso de escribir.
    static bool entregable(const QString &raiz, bool soloLectura, bool escribible);

    static Volumenes &actual();
    static void instala(std::unique_ptr<Volumenes> v);

protected:
    // Escribe un trozo del temporal que va a `destino` (como write(2): bytes escritos, o -1 con
    // errno). Las pruebas lo sustituyen para simular una unidad llena o protegida.
    virtual qint64 escribe(const QString &destino, int fd, const char *datos, qint64 n);
    // Ya renombrada la copia y antes de releerla.
    virtual void copiado(const QString &destino);
};

inline Volumenes &volumenes() { return Volumenes::actual(); }

// Los volúmenes montados como los ve QStorageInfo.
class VolumenesSistema : public Volumenes {
public:
    QList<Unidad> unidades() override;
    qint64 espacioLibre(QChar letra) override;
};

// Carpetas que hacen de unidades, con espacio libre fijado a mano, medio retirado, unidad
// protegida contra escritura y copias que se dañan al escribirse.
class VolumenesSimulados : public Volumenes {
public:
    explicit VolumenesSimulados(QString carpetaBase);

    // Crea la unidad (la carpeta carpetaBase/<letra>) y devuelve su raíz.
    QString agrega(QChar letra, bool removible, qint64 espacioLibre = 100'000'000);
    void ponEspacioLibre(QChar letra, qint64 bytes);
    // El medio sale de la unidad: sigue en la lista, pero sin espacio legible y sin carpeta.
    void retiraMedio(QChar letra);
    // La unidad deja de existir.
    void quita(QChar letra);
    void protege(QChar letra, bool protegida = true);
    // Después de `bytes` bytes más la unidad se llena (ENOSPC) aunque siga informando el espacio
    // libre de antes: un medio que otro programa llena durante la copia.
    void llenaTras(QChar letra, qint64 bytes);
    // Cada copia que se escriba desde ahora quedará con un byte cambiado.
    void danaCopias(bool danar = true) { m_danar = danar; }
    // El medio se retira (retiraMedio) en cuanto termina la copia número `copias` a la unidad.
    void retiraTras(QChar letra, int copias);

    QList<Unidad> unidades() override;
    qint64 espacioLibre(QChar letra) override;

protected:
    qint64 escribe(const QString &destino, int fd, const char *datos, qint64 n) override;
    void copiado(const QString &destino) override;

private:
    struct Simulada {
        Unidad unidad;
        qint64 libre = 0;
        bool conMedio = true;
        bool protegida = false;
        qint64 cupo = -1;   // bytes que aún caben de verdad; -1 sin límite propio
        int retirarTras = -1;   // copias que faltan para retirar el medio; -1 nunca
    };
    Simulada *busca(QChar letra);
    Simulada *propietaria(const QString &ruta);

    QString m_base;
    QList<Simulada> m_unidades;
    bool m_danar = false;
};
