#pragma once
// W_Admon: panel de administración. Imprime las partes de la solicitud (antes de cada una
// corre la revisión de inconsistencias y anota su veredicto en General.Cerrar, que decide
// la leyenda de borrador), imprime las formas para los árbitros, borra la solicitud para
// empezar otra, lleva a la ventana que graba el disco de entrega y a la que recupera la
// solicitud de uno.
#include "platform/informe/Pagina.h"
#include "shell/Ventana.h"

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

class TW_Admon : public Ventana {
    Q_OBJECT
public:
    TW_Admon();

    // Guarda el veredicto de la revisión en General.Cerrar ("S" o "N"). Lanza ErrorBase.
    void Cierra(const QString &caracter);
    // Ejecuta una sentencia de borrado. Lanza ErrorBase.
    void Borra(const QString &sentencia);
    // Vacía las tablas de la solicitud en una sola transacción: si un borrado falla no se
    // borra nada. true cuando todo se borró.
    bool Borra_Tablas();

    // Botones.
    void Btn_ImpDatGralClick();
    void btn_ImpCuViClick();
    void btn_ImpDatAcaClick();
    void Btn_QuiralClick();
    void btn_ImpFormClick();
    void btn_IniSolicitudClick();
    void btn_GenDisCONClick();
    // Recuperar la solicitud desde un disco de entrega (ventana W_Recupera).
    void btn_RecuperarClick();
    void Btn_SalirClick();

    // Cómo se enseña un reporte ya creado ("generales", "curriculum"…). Vacío: su vista
    // previa modal. Las pruebas ponen aquí el suyo para leer el reporte sin diálogo.
    using Vista = std::function<void(const QString &reporte, const Informe::Documento &documento, QWidget *padre)>;
    static Vista Vista_Previa;

    QGroupBox *GB_Impresion = nullptr;
    QGroupBox *GB_Herramientas = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *btn_ImpForm = nullptr;
    QPushButton *Btn_ImpDatGral = nullptr;
    QPushButton *btn_ImpCuVi = nullptr;
    QPushButton *btn_ImpDatAca = nullptr;
    QPushButton *Btn_Quiral = nullptr;
    QPushButton *btn_IniSolicitud = nullptr;
    QPushButton *btn_GenDisCON = nullptr;
    QPushButton *btn_Recuperar = nullptr;
    QPushButton *Btn_Salir = nullptr;

private:
    // Imprime con revisión previa: veredicto → Cerrar → reporte. `inicial` es el avance con
    // que empieza; "Datos Generales" (0) muestra su vista previa después de crearla.
    void Imprime_Con_Revision(const QString &reporte, int inicial);
    bool Revisa();
    // Si en la revisión se siguió un renglón, lleva a su lugar y devuelve true.
    bool Sigue_Hallazgo();
    void Muestra(const QString &reporte, const Informe::Documento &documento);
    bool Muestra_Entrega();
};
