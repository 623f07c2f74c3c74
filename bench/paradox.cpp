// Escritura de las tablas de la entrega de una solicitud completa de la convocatoria 6
// (25 archivos: .db, .px y el .mb de General) con los catálogos reales.
// Presupuesto: menos de 300 ms por entrega.
#include "platform/Base.h"
#include "platform/paradox/Paradox.h"
#include "support/Entorno.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const char *const kTablasEntrega[] = {"Beca", "Domicilio", "General", "Persona", "Cat_Ciudad", "Cat_Estado",
                                      "Cat_Municipio", "Institucion", "Escolar", "Trabajo", "MontosQuiral", "Aval"};

QString texto(const QString &base, int n)
{
    QString s;
    while (s.size() < n)
        s += base;
    return s.left(n);
}

void llenaSolicitudCompleta()
{
    Base::Transaccion tr;
    const QString motivo = QStringLiteral("Deseo continuar mis estudios de posgrado en ingeniería, año con año. ");
    Entorno::sql(QStringLiteral("Insert into General values (1,6,25000,'31/12/2004',0,0,'N',1100,'ESPECIALIDAD',19,25,7,170,0,"
                                ":a,:b,:c,NULL,0,NULL,NULL,'S')"),
                 {{QStringLiteral("a"), texto(motivo, 4000)}, {QStringLiteral("b"), texto(motivo, 3000)}, {QStringLiteral("c"), texto(motivo, 2500)}});
    const QStringList personas{"SOL", "CGE", "HJ1", "HJ2", "HJ3", "HJ4", "ACC", "AVA", "RE1", "RE2", "RE3", "RE4"};
    for (int i = 0; i < personas.size(); ++i)
        Entorno::sql(QStringLiteral("Insert into Persona values (:c,'JOSÉ','MARÍA','MUÑOZ','PEÑA','M','C','29/02/1980',"
                                    "'MUPJ800229',1234,32,:t,'MUPJ800229HDFXXX01')"),
                     {{QStringLiteral("c"), i + 1}, {QStringLiteral("t"), personas[i]}});
    const QStringList domicilios{"ACT", "ACC", "EXT", "OP1", "OP2", "OP3", "OP4", "OP5", "AVA", "AVP", "AVT", "RE1", "RE2", "RE3", "RE4"};
    for (int i = 0; i < domicilios.size(); ++i)
        Entorno::sql(QStringLiteral("Insert into Domicilio values (:c,:t,'AV. INSURGENTES SUR 1582','S/N','','CRÉDITO CONSTRUCTOR',"
                                    "'(0155)5555-1234','(    )    -    ','correo@ejemplo.mx','03940',1,9,32,14,0,1)"),
                     {{QStringLiteral("c"), i + 1}, {QStringLiteral("t"), domicilios[i]}});
    for (int i = 1; i <= 5; ++i)
        Entorno::sql(QStringLiteral("Insert into Beca values (:c,'Dra. Ana Pérez','Coordinadora','Doctorado en Ciencias','S',48,"
                                    "'01/09/2004','31/08/2008',406,'01/09/2004','31/08/2008',1,:t,12000,5000,1000,"
                                    "'MENSUAL','ANUAL','ANUAL',17,2,2,'S')"),
                     {{QStringLiteral("c"), i}, {QStringLiteral("t"), QStringLiteral("OP%1").arg(i)}});
    for (int i = 1; i <= 23; ++i)
        Entorno::sql(QStringLiteral("Insert into Escolar values (:c,'UNIVERSIDAD NACIONAL AUTÓNOMA DE MÉXICO','PUB','01/01/1998',"
                                    "'01/01/2002',:n,9.25,'INGENIERÍA EN COMPUTACIÓN','S',:s)"),
                     {{QStringLiteral("c"), i}, {QStringLiteral("n"), i <= 3 ? QStringList{"LIC", "MAE", "DOC"}[i - 1] : QStringLiteral("OTR")},
                      {QStringLiteral("s"), i <= 3 ? i : i - 3}});
    const QStringList listas{"BEC", "REC", "PUB", "CON", "TES", "TRA", "ASO", "IDI"};
    int clave = 0;
    for (const QString &tipo : listas)
        for (int i = 1; i <= 20; ++i)
            Entorno::sql(QStringLiteral("Insert into Trabajo values (:c,:t,'INSTITUTO POLITÉCNICO NACIONAL','15/06/2003','15/06/2004',"
                                        "'INVESTIGADOR','DOCTORADO',12,'PÉREZ, J.; MUÑOZ, M.','Señales débiles','MÉXICO',"
                                        "'100','80','90','12','33-45',:s)"),
                         {{QStringLiteral("c"), ++clave}, {QStringLiteral("t"), tipo}, {QStringLiteral("s"), i}});
    Entorno::sql(QStringLiteral("Insert into Aval values (1,'045-123','REGISTRO PÚBLICO','10/10/1995','F-77','EMPRESA SA',"
                                "'CONTABILIDAD','GERENTE','10 AÑOS','01/03/1994',10,'AVA','ANA','LUIS','',8000)"));
    for (int i = 1; i <= 40; ++i)
        Entorno::sql(QStringLiteral("Insert into MontosQuiral values (:c,:n,'COLEGIATURA DEL SEMESTRE',50000,:t)"),
                     {{QStringLiteral("c"), i}, {QStringLiteral("n"), (i - 1) % 20 + 1}, {QStringLiteral("t"), i <= 20 ? "A" : "B"}});
    tr.confirma();
}

void EntregaConvocatoria6(benchmark::State &estado)
{
    Entorno e;
    llenaSolicitudCompleta();
    QTemporaryDir destino;
    int archivos = 0;
    for (auto _ : estado) {
        archivos = 0;
        for (const char *t : kTablasEntrega)
            archivos += int(Paradox::escribeTabla(*Esquema::busca(QLatin1String(t)), destino.path()).size());
    }
    estado.counters["archivos"] = archivos;
}
BENCHMARK(EntregaConvocatoria6)->Unit(benchmark::kMillisecond);

} // namespace
