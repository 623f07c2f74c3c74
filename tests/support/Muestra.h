#pragma once
// Solicitud de muestra, completa y coherente, para las pruebas de todos los subsistemas:
// se escribe con SQL (valores enlazados) en la base abierta, como la dejarían las ventanas
// de captura. Las pruebas la toman y cambian con SQL lo que cada caso necesita.
//
// Contenido de llena() (convocatoria 482):
//  - General: convocatoria 482, ingreso 18500, área 7, disciplina 175, doctorado (25 a 25),
//    los tres motivos (con su renglón vacío inicial), SNI 12345 del 01/01/2001 al 31/12/2003.
//  - Persona: SOL 1 MARÍA ELENA TORRES VALLE (F, 05/03/1975, RFC TOVM750305, nacida en
//    Guadalajara 14039), casada: CGE 2 JUAN PÉREZ LÓPEZ; hijos HJ1 3 y HJ2 4; ACC 5 ROSA VALLE.
//    Con casado = false es soltera: sin cónyuge y con Edo_civil "S".
//  - Domicilio: ACT 1 (Guadalajara, Jalisco), ACC 2 (Coyoacán, Ciudad de México; persona 7 como
//    la guarda la ventana de domicilios), EXT 3
//    (Londres) y OP1 a OP5 (claves 4 a 8), uno por opción, con la institución de la opción.
//  - Beca: cinco opciones (Cambridge, Oxford, Complutense, París VI, TU Berlín) con fechas,
//    contacto y costos.
//  - Escolar: LIC 1, MAE 2, DOC 3 (promedios 9.2, 9.5 y 9) y otros estudios OTR 4 y 5.
//  - Trabajo: dos renglones de cada lista (BEC, REC, PUB, CON, TES, TRA, ASO, IDI), claves 1 a 16.
//
// llenaMaxima(): lo mismo con cuatro hijos y cada lista del currículum en su límite.
#include <QString>
#include <QStringList>

namespace Muestra {

// Límites de las listas del currículum (máximo del selector de cada una).
inline constexpr int kBecas = 30, kReconocimientos = 30, kPublicaciones = 50, kCongresos = 50,
                     kTesis = 50, kLaborales = 20, kAsociaciones = 20, kIdiomas = 20, kOtrosEstudios = 20;
inline constexpr int kOpciones = 5;
inline constexpr int kConvocatoria = 482;

// Llena la base abierta (sin solicitud) con la solicitud completa. Lanza ErrorBase.
void llena(bool casado = true);

// Variante máxima, para mediciones y para probar informes largos.
void llenaMaxima();

// Las ventanas de captura que abre el marco, en el orden en que el usuario las recorre.
// W_Dependiente se abre con Tipo_Actual = "AVA", como la abre el botón del aval.
inline const QStringList &ventanas()
{
    static const QStringList v{QStringLiteral("W_Generales"), QStringLiteral("W_DirAct"),   QStringLiteral("W_Dependiente"),
                               QStringLiteral("W_Predial"),   QStringLiteral("W_DatAcad1"), QStringLiteral("W_DatAcad2"),
                               QStringLiteral("W_DatAcad3"),  QStringLiteral("W_DatAcad4"), QStringLiteral("W_Vitae1"),
                               QStringLiteral("W_Vitae2"),    QStringLiteral("W_Vitae3"),   QStringLiteral("W_Admon"),
                               QStringLiteral("W_MontosQuiral")};
    return v;
}

} // namespace Muestra
