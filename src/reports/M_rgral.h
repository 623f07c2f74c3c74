#pragma once
// R_DatGrales: forma impresa de los datos generales. Hoja uno: datos personales, domicilio
// permanente, dependientes, familiar para accidentes y domicilio en el extranjero; hoja dos:
// la declaración firmada dirigida a TALVERO. La leyenda de borrador sale de General.Cerrar,
// que el panel de administración deja puesto antes de imprimir. El reporte nunca escribe.
// Éste es el modelo, sin ventana: lo construye la herramienta (`imprime generales`); la
// vista previa es TR_DatGrales (U_rgral.h).
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

class MR_DatGrales {
public:
    // Abre las consultas y arma el reporte (FormCreate). Lanza ErrorBase.
    MR_DatGrales();
    virtual ~MR_DatGrales();

    Consulta Q_Bec;                                      // el solicitante: conduce la hoja uno
    Consulta Q_Dep1, Q_Dep2, Q_Dep3, Q_Dep4, Q_Dep5;     // cónyuge e hijos 1 a 4
    Consulta Q_DatAcc, Q_DirAct, Q_DirAcc, Q_DatExt, Q_DirExt;
    Consulta Q_Prog, Q_Prog2;                            // programa y leyenda; según la convocatoria
    Informe::Reporte QR_DatGrales;

    Informe::Documento Documento() const { return QR_DatGrales.maqueta(); }
    void cierra();        // cierra las consultas

    void Convocatoria();
    static void AbreQueryProg(Consulta &query, const QString &sentencia);

private:
    void FormCreate();
    void Arma();
    Consulta *dependiente(int n);
    bool conNombre(int n) const;
};

// Escribe la forma como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío. Lanza ErrorBase si la base falla.
QString Escribe_DatGrales(const QString &archivo);
