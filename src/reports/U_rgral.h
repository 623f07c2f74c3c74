#pragma once
// R_DatGrales: forma impresa de los datos generales. Hoja uno: datos personales, domicilio
// permanente, dependientes, familiar para accidentes y domicilio en el extranjero; hoja dos:
// la declaración firmada dirigida a TALVERO. La leyenda de borrador sale de General.Cerrar,
// que el panel de administración deja puesto antes de imprimir. El reporte nunca escribe.
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

#include <QWidget>

class TR_DatGrales : public QWidget {
    Q_OBJECT
public:
    // Abre las consultas y arma el reporte (FormCreate). Lanza ErrorBase.
    explicit TR_DatGrales(QWidget *parent = nullptr);
    ~TR_DatGrales() override;

    Consulta Q_Bec;                                      // el solicitante: conduce la hoja uno
    Consulta Q_Dep1, Q_Dep2, Q_Dep3, Q_Dep4, Q_Dep5;     // cónyuge e hijos 1 a 4
    Consulta Q_DatAcc, Q_DirAct, Q_DirAcc, Q_DatExt, Q_DirExt;
    Consulta Q_Prog, Q_Prog2;                            // programa y leyenda; según la convocatoria
    Informe::Reporte QR_DatGrales;

    Informe::Documento Documento() const { return QR_DatGrales.maqueta(); }
    void Muestra();       // vista previa modal de QR_DatGrales; vuelve al cerrarla

    void Convocatoria();
    static void AbreQueryProg(Consulta &query, const QString &sentencia);

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void Arma();
    Consulta *dependiente(int n);
    bool conNombre(int n) const;
};

// Lo que hace "Datos Generales" tras la revisión: crea R_DatGrales, muestra su vista previa
// (desde la que se imprime) y lo libera. Lanza ErrorBase si la base falla.
void Imprime_DatGrales(QWidget *padre = nullptr);

// Escribe la forma como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío. Lanza ErrorBase si la base falla.
QString Escribe_DatGrales(const QString &archivo);
