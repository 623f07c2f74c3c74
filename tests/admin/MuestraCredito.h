#pragma once
// Solicitud completa de la convocatoria 6 (crédito educativo) para las pruebas de la entrega:
// la de Muestra::llena() con la convocatoria cambiada y lo que el crédito agrega (aval con sus
// domicilios, las cuatro referencias y los montos del financiamiento).
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QString>

namespace MuestraCredito {

// Texto de n caracteres exactos con todo lo que Windows-1252 guarda fuera del ASCII.
inline QString textoLargo(int n)
{
    const QString trozo = QStringLiteral("Quiero estudiar ingeniería en la Universidad de Montréal; "
                                         "O'Brien dijo «¡sí!», cuesta 5 € — año tras año, pingüino Ñandú.\r\n");
    QString s;
    while (s.size() < n)
        s += trozo;
    s.truncate(n);
    return s;
}

// Con `maxima`, sobre Muestra::llenaMaxima() (cada lista en su límite).
inline void llena(bool maxima = false)
{
    using S = QString;
    if (maxima)
        Muestra::llenaMaxima();
    else
        Muestra::llena();
    Entorno::sql(S("Update General Set Convocatoria=6, Area=7, Disciplina=170, Subdisciplina='ESPECIALIDAD EN PUENTES'"));
    Entorno::sql(S("Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Sexo,Edo_civil,Fec_nac,RFC,Ciudad_nac,Tipo) "
                   "Values ((Select Max(Clave)+1 From Persona),'JOSÉ','MARÍA','MUÑOZ','PEÑA','M','C','29/02/1960',"
                   "'MUPJ600229',0,'AVA')"));
    const char *const referencias[] = {"RE1", "RE2", "RE3", "RE4"};
    for (const char *r : referencias)
        Entorno::sql(S("Insert into Persona (Clave,Nombre_1,Paterno,Materno,Sexo,Ciudad_nac,Tipo) "
                       "Values ((Select Max(Clave)+1 From Persona),'ÁNGEL','GÜEMES',:m,'M',0,:t)"),
                     {{S("m"), S("O'HIGGINS")}, {S("t"), QString::fromLatin1(r)}});
    const char *const domicilios[] = {"AVA", "AVP", "AVT", "RE1", "RE2", "RE3", "RE4"};
    for (const char *d : domicilios)
        Entorno::sql(S("Insert into Domicilio Values ((Select Max(Clave)+1 From Domicilio),:t,'AV. REVOLUCIÓN 1425','S/N','',"
                       "'SAN ÁNGEL','(0155)5550-1234','(    )    -    ','aval@ejemplo.mx','01000',1,9,32,10,0,"
                       "(Select Clave From Persona Where Tipo='AVA'))"),
                     {{S("t"), QString::fromLatin1(d)}});
    Entorno::sql(S("Insert into Aval Values (1,'045-123-77','REGISTRO PÚBLICO DE LA PROPIEDAD','10/10/1995','F-77',"
                   "'CONSTRUCTORA DEL BAJÍO SA','CONTABILIDAD','GERENTE','10 AÑOS','01/03/1994',12,'AVA',"
                   "'COLEGIATURA','MANUTENCIÓN','',8000)"));
    for (int i = 1; i <= 6; ++i)
        Entorno::sql(S("Insert into MontosQuiral Values (:c,:n,:concepto,:monto,:t)"),
                     {{S("c"), i}, {S("n"), (i - 1) % 3 + 1}, {S("concepto"), i <= 3 ? S("COLEGIATURA DEL AÑO") : S("APORTACIÓN FAMILIAR")},
                      {S("monto"), 15000 * i}, {S("t"), i <= 3 ? S("A") : S("B")}});
}

// Los nombres que se entregan, en orden.
inline QStringList nombresEntrega(bool credito)
{
    QStringList r{"Beca.db",          "Beca.px",          "Domicilio.db",   "Domicilio.px",   "General.db",
                  "General.px",       "General.mb",       "Persona.db",     "Persona.px",     "Cat_Ciudad.db",
                  "Cat_Ciudad.px",    "Cat_Estado.db",    "Cat_Estado.px",  "cat_municipio.db", "cat_municipio.px",
                  "Institucion.db",   "Institucion.px",   "Escolar.db",     "Escolar.px",     "Trabajo.db",
                  "Trabajo.px"};
    if (credito)
        r << "MontosQuiral.db" << "MontosQuiral.px" << "Aval.db" << "Aval.px";
    return r;
}

} // namespace MuestraCredito
