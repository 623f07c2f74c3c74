#pragma once
// Lista de registros de las ventanas curriculares: un selector numérico elige el registro n
// de la lista, los campos muestran ese registro y mover el selector guarda el que se deja.
// Cada lista (becas, reconocimientos, publicaciones…) es una tabla de instancia: selector,
// tabla, código, campos con su columna. El código es uno solo para todas.
#include "platform/Consulta.h"
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class QSpinBox;
class QWidget;

namespace CamposVitae {

// Cómo se muestra un campo y cómo se guarda su valor.
enum class Clase {
    Texto,      // texto tal como se escribió
    Recortado,  // texto sin blancos a los lados
    Entero,     // dígitos de una máscara, guardados como número
    Fecha,      // "dd/mm/yyyy" real, o NULL si está en blanco
    Anio,       // año de cuatro dígitos guardado como "01/01/" + año, o NULL en blanco
    Promedio,   // máscara "99.99", guardado como número
    Opcion,     // lista desplegable: el texto del elemento elegido
    Titulado,   // casilla: 'S' o 'N'
};

struct CampoLista {
    QWidget *control = nullptr;
    QString columna;            // columna de la tabla
    Clase clase = Clase::Texto;
    bool requerido = false;     // la revisión lo exige no vacío
    bool seLimpia = true;       // limpiar lo deja vacío (las fechas nunca se limpian)
    bool hoySiVacia = false;    // fechas: sin fecha guardada muestra la de hoy (si no, conserva su texto)
};

// Resultado de guardar: hecho; no guardado (la base lo rechazó, ya se avisó); o detenido por
// una fecha o un año que no son reales o un dato que falta (ya se avisó): no se escribió nada y
// lo escrito se queda en pantalla para corregirlo.
enum class Paso { Hecho, Fallo, Detenido };

// Lo que se leyó de un texto: el valor, o el aviso que detiene el paso.
template <typename T>
struct Leido {
    std::optional<T> valor;   // nullopt: en blanco, o (valor()) no es un valor de la columna
    QString aviso;            // no vacío: fecha o año que no son reales
    bool detenido() const { return !aviso.isEmpty(); }
};

QString texto(const CampoLista &c);                  // texto del control como se revisa
// Valor que se enlaza. Sin valor si el texto no es un valor de la columna (p. ej. un promedio
// en blanco): se trata como un rechazo de la base. Con aviso para fechas o años que no son reales.
Leido<QVariant> valor(const CampoLista &c);
// Como valor(); si se detiene, muestra el aviso y lleva el foco al campo.
Leido<QVariant> valorConFoco(const CampoLista &c);
void muestra(const CampoLista &c, const Campo &guardado);
void limpia(const CampoLista &c);

// Promedio de la máscara "99.99": parte entera recortada, ".", decimales recortados.
QString textoPromedio(const QString &mascara);
std::optional<double> numeroPromedio(const QString &texto);
// Año de un campo "9999" como fecha "01/01/yyyy"; sin valor en blanco; con aviso si no son 4 dígitos.
Leido<QString> fechaDeAnio(const QString &anio);
// Fecha de un campo con máscara: sin valor en blanco; con aviso si no es real.
Leido<QString> fechaReal(const QString &texto);

} // namespace CamposVitae

struct DefinicionLista {
    QString tabla;                    // "Trabajo" o "Escolar"
    QString columnaTipo;              // "Tipo" o "Nivel"
    QString codigo;                   // "BEC", "REC", "OTR"…
    std::vector<CamposVitae::CampoLista> campos;
    QWidget *foco = nullptr;          // recibe el foco cuando la base rechaza el registro
    bool renumeraAlActualizar = true; // otros estudios conservan el número con que se insertaron
};

class ListaRegistros : public QObject {
    Q_OBJECT
public:
    // `auxVentana` es la consulta auxiliar de la ventana, con la que se borra.
    ListaRegistros(QSpinBox *selector, DefinicionLista definicion, Consulta &auxVentana, QObject *parent);

    bool muestra(int n);              // true si el registro n está guardado
    void habilita(bool si);
    void limpia();
    bool valida() const;
    // Algo se escribió en los campos que se limpian (fechas, listas y casillas siempre tienen
    // algo): un registro incompleto con algo escrito no se deja sin avisar.
    bool algoCapturado() const;
    // 'I' inserta, otro modo actualiza la fila mostrada.
    CamposVitae::Paso guarda(QChar modo);
    // Cambio del selector (también cuando lo mueve el programa). false si el registro que se
    // dejaba no pudo revisarse, o está incompleto con algo escrito (se avisa): el selector
    // vuelve a él y los campos conservan lo escrito.
    bool cambio(int nuevo);
    void borra();                     // entrada del menú "Borra …"
    void abre();                      // al crear la ventana
    bool guardaActual();              // botones que dejan la ventana

    int actual() const { return m_actual; }
    bool guardado() const { return m_guardado; }
    QSpinBox *selector() const { return m_selector; }
    const DefinicionLista &definicion() const { return m_def; }

private:
    QString sentenciaSelect() const;
    QString sentenciaInsert() const;
    QString sentenciaUpdate() const;

    QSpinBox *m_selector;
    DefinicionLista m_def;
    Consulta &m_auxVentana;
    Consulta m_consulta;
    int m_actual = 0;          // número del registro al que pertenecen los campos
    bool m_guardado = false;   // ese registro existía cuando se mostró
    qint64 m_clave = 0;        // Clave de la fila mostrada (si está guardada)
};
