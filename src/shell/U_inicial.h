#pragma once
// Marco principal W_Inicial: barra de botones, área MDI, barra de progreso y las
// operaciones compartidas que usan todas las ventanas de captura.
#include <QMainWindow>
#include <QString>
#include <QVariantHash>
#include <optional>

class Consulta;
class QComboBox;
class QMdiArea;
class QProgressBar;
class QToolBar;
class QToolButton;

// Contexto compartido entre ventanas durante toda la ejecución.
extern QString Tipo_Actual;       // tipo de registro que capturará la siguiente ventana
extern int Opcion_Actual;         // opción de institución mostrada (1 a 5)
extern int Edo_Civil_Actual;      // 0 casado, 1 soltero

class TW_Inicial : public QMainWindow {
    Q_OBJECT
public:
    explicit TW_Inicial(QWidget *parent = nullptr);
    ~TW_Inicial() override;

    // --- Operaciones compartidas ---
    bool Valida_Fecha(const QString &texto);
    void Llena_Combo(Consulta &datos, QComboBox *combo, int campo);
    void Ubica_Clave(Consulta &datos, qint64 clave, QComboBox *combo);
    // Como Ubica_Clave en una lista que la consulta acaba de llenar: sólo elige el renglón.
    void Elige_Clave(Consulta &datos, qint64 clave, QComboBox *combo);
    void MuestraEspecialidad(Consulta &datos, const QString &texto, QComboBox *combo);
    void Abre_Domicilio(const QString &tipo);
    qint64 Consulta_Entero(const QString &sql, const QVariantHash &parametros = {});
    QString Siguiente_Clave(const QString &tabla);
    bool Forma_Abierta(const QString &nombre) const;
    // Sentencia de alta en un catálogo; los valores van enlazados. Muestra
    // "No se pudo agregar al Catalogo" si falla y no propaga el error.
    bool Ejecuta_SQL(const QString &sql, const QVariantHash &parametros = {});
    // Pide el nombre de un registro nuevo de catálogo ("Agrega Estado"…) y lo devuelve como se
    // guarda: en mayúsculas, sin blancos a los lados y sólo con lo que cabe en las tablas de la
    // entrega. nullopt si el usuario cancela, o si queda vacío o pasa de 255 caracteres (avisa):
    // un nombre así haría fallar la entrega y no hay manera de quitarlo del catálogo.
    std::optional<QString> Pide_Nombre_Catalogo(const QString &titulo);
    static constexpr int kLargoNombreCatalogo = 255;   // el campo Nombre de los catálogos
    QString Fecha_Sistema(const QString &texto) const;
    bool Tiene_Arroba(const QString &texto) const;
    void Cierra_Ventanas();
    std::optional<QString> Calcula_RFC(const QString &paterno, const QString &materno, const QString &nombre1,
                                       const QString &nombre2, const QString &fechaNac) const;

    // Abre una ventana hija por nombre si no está abierta; devuelve la nueva o nullptr.
    QWidget *Abre_Forma(const QString &nombre);
    // La ventana hija abierta con ese nombre, o nullptr.
    QWidget *Forma(const QString &nombre) const;
    QMdiArea *areaMdi() const { return m_mdi; }
    QProgressBar *G_Cargando = nullptr;

    // Lleva al lugar donde se corrige un dato: abre la ventana como lo harían la barra y la
    // cadena de "Siguiente" (con sus compuertas de convocatoria y de aval), la lleva al
    // registro y pone el foco en el control con su texto seleccionado. Las demás ventanas
    // abiertas se quedan como están. Devuelve el control enfocado, o nullptr si no se llegó.
    QWidget *Ve_A(const QString &ventana, const QString &control, const QString &registro);

    // Acciones de la barra.
    void SB_GeneralClick();
    void SB_AcademicoClick();
    void SB_CurriculumClick();
    void SB_QuiralClick();
    void SB_MontosClick();
    void SB_AdmonClick();
    void SB_SalirClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool compuertaConvocatoria();
    bool compuertaAval();
    QToolButton *boton(const QString &nombre, const QString &texto, const QString &ayuda, const QString &icono);

    QMdiArea *m_mdi = nullptr;
    QToolBar *m_barra = nullptr;
    bool m_mostrada = false;
};

// La única instancia del marco (nullptr antes de crearlo).
TW_Inicial *W_Inicial();
