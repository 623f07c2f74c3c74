#pragma once
// R_DatAcad: forma impresa de los datos académicos: las respuestas del programa solicitado,
// un bloque por opción de institución con su domicilio, programa, periodo, contacto y montos,
// y los tres motivos (el segundo y el tercero, cada uno en hoja nueva). La leyenda de
// borrador sale de General.Cerrar. El reporte nunca escribe.
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

#include <QWidget>

class TR_DatAcad : public QWidget {
    Q_OBJECT
public:
    // Abre las consultas y arma el reporte. Lanza ErrorBase.
    explicit TR_DatAcad(QWidget *parent = nullptr);
    ~TR_DatAcad() override;

    Consulta Q_Becario;       // nombre del solicitante
    Consulta Q_Gral;          // respuestas, grados, motivos y la leyenda
    Consulta Q_Curso;         // curso de especialización (parámetro P_Curso)
    Consulta Q_AreaConv;      // área y disciplina
    Consulta Q_InstOpc;       // opciones con su institución
    Consulta Q_DirInstOpc;    // conduce el reporte: un bloque por opción con domicilio completo
    Informe::Reporte QR_DatAcad;

    Informe::Documento Documento() const { return QR_DatAcad.maqueta(); }
    void Muestra();       // vista previa modal; vuelve al cerrarla

    // Nombre impreso de una clave de moneda ("" si no es una de las conocidas).
    static QString Convierte_monedas(qint64 clave);

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void Arma();
};

// Lo que hace "Datos Académicos" tras la revisión: crea R_DatAcad, muestra su vista previa
// (desde la que se imprime) y lo libera. Lanza ErrorBase si la base falla.
void Imprime_DatAcad(QWidget *padre = nullptr);

// Escribe la forma como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío. Lanza ErrorBase si la base falla.
QString Escribe_DatAcad(const QString &archivo);
