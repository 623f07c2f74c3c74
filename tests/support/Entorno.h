#pragma once
// Entorno de una prueba: una carpeta de tablas nueva con los catálogos reales, diálogos
// contestados por la prueba, reloj y formato de fecha fijos. Con `conVentanas` arranca
// además el marco completo como lo hace el programa.
#include "support/DialogosPrueba.h"
#include <QTemporaryDir>
#include <memory>

class Arranque;
class TW_Inicial;

class Entorno {
public:
    explicit Entorno(bool conVentanas = false);
    ~Entorno();

    QString carpeta() const { return m_dir.path() + QStringLiteral("/d_2004/tablas"); }
    QString raiz() const { return m_dir.path(); }
    DialogosPrueba &dialogos() { return *m_dialogos; }
    TW_Inicial *inicial() const;

    // Ejecuta SQL directo en la base (para preparar datos o leer resultados).
    static void sql(const QString &sentencia, const QVariantHash &parametros = {});
    static QVariant valor(const QString &consulta, const QVariantHash &parametros = {});
    static int cuenta(const QString &tabla, const QString &condicion = {});
    static QList<QVariantList> filas(const QString &consulta);

private:
    QTemporaryDir m_dir;
    DialogosPrueba *m_dialogos = nullptr;
    std::unique_ptr<Arranque> m_arranque;
};

// Copia de una base recién creada con catálogos; se crea una vez por proceso.
QString basePlantilla();

// Un disco pequeño de verdad: un tmpfs de `kb` KB montado en una carpeta temporal, dentro del
// espacio de montajes propio del proceso de prueba, para probar un disco lleno o una memoria
// que se retira. Sin permiso para montar (no root), valida() es false y la prueba se salta.
class DiscoPequeno {
public:
    explicit DiscoPequeno(int kb);
    ~DiscoPequeno();
    bool valido() const { return m_montado; }
    QString ruta() const { return m_dir.path(); }
    // Llena el disco dejando libres sólo `libres` bytes.
    void llena(qint64 libres = 0);
    // Retira el disco como `umount -l`: la carpeta vuelve a ser la del disco de la computadora.
    void retira();

private:
    QTemporaryDir m_dir;
    bool m_montado = false;
};
