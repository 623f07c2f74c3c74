#include "platform/ErrorBase.h"
#include "platform/Fechas.h"
#include "platform/Regional.h"
#include "review/Revision.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

namespace {
const QString kSinInc = QStringLiteral("No hay Inconsistencias");
const QString kReporte = QStringLiteral("Reporte de Inconsistencias");
const QString kSinDomOpcion = QStringLiteral(
    "Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no saldra en la impresion");
const QString kRecaptura = QStringLiteral(
    " no es de 4 digitos, Cierre la aplicacion, modifique el formato de fecha corta a 4 digitos del año, desde "
    "configuracion regional y recapturare la fecha");

void prepara(const QStringList &sentencias)
{
    for (const QString &s : sentencias)
        Entorno::sql(s);
}
} // namespace

class PruebaRevision : public QObject {
    Q_OBJECT
private slots:
    // Cada caso parte de la solicitud de muestra y la cambia con SQL.
    void reporte_data()
    {
        QTest::addColumn<bool>("casado");
        QTest::addColumn<QStringList>("sentencias");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<bool>("veredicto");

        const QStringList nada;
        const QString soloLic = QStringLiteral("Delete from Escolar Where Nivel<>'LIC'");
        auto promedio = [&](const char *p) {
            return QStringList{soloLic, QStringLiteral("Update Escolar Set Promedio=%1").arg(QLatin1String(p))};
        };

        QTest::newRow("completa, casada") << true << nada << QStringList{kSinInc} << true;
        QTest::newRow("completa, soltera") << false << nada << QStringList{kSinInc} << true;
        QTest::newRow("sin domicilio de una opción: aviso y veredicto intacto")
            << true << QStringList{"Delete from Domicilio Where Tipo='OP3'"} << QStringList{kSinInc, kSinDomOpcion} << true;
        QTest::newRow("sin opciones") << true << QStringList{"Delete from Beca"}
                                      << QStringList{kReporte, "No capturo ninguna opcion"} << false;

        // Promedio: con sólo la licenciatura y nada bloqueante antes.
        QTest::newRow("promedio 9.5") << true << promedio("9.5") << QStringList{kSinInc} << true;
        QTest::newRow("promedio 95") << true << promedio("95") << QStringList{kSinInc} << true;
        QTest::newRow("promedio 8") << true << promedio("8") << QStringList{kSinInc} << true;
        QTest::newRow("promedio 10") << true << promedio("10") << QStringList{kSinInc} << true;
        QTest::newRow("promedio 80") << true << promedio("80") << QStringList{kSinInc} << true;
        QTest::newRow("promedio 7.9") << true << promedio("7.9")
                                      << QStringList{kReporte, "El promedio no puede ser menor a 8.0 en  LIC"} << false;
        QTest::newRow("promedio 79") << true << promedio("79")
                                     << QStringList{kReporte, "El promedio no puede ser menor a 8.0 en LIC"} << false;
        QTest::newRow("promedio 10.5") << true << promedio("10.5")
                                       << QStringList{kReporte, "El promedio no puede ser menor a 8.0 en LIC"} << false;
        QTest::newRow("promedio nulo") << true << promedio("NULL")
                                       << QStringList{kReporte, "El promedio no puede ser menor a 8.0 en  LIC"} << false;
        QTest::newRow("promedio bajo no se revisa tras otro hallazgo")
            << true << (promedio("7.9") << "Update Beca Set Nombre_prog='' Where Clave=2")
            << QStringList{kReporte, "No se Encuentra Nombre Oficial del Programa de Estudios (opción 2)"} << false;
        QTest::newRow("promedio: cuenta el último nivel, no otros estudios")
            << true << QStringList{"Update Escolar Set Promedio=7.5 Where Nivel='DOC'", "Update Escolar Set Promedio=1 Where Nivel='OTR'"}
            << QStringList{kReporte, "El promedio no puede ser menor a 8.0 en  DOC"} << false;
        QTest::newRow("promedio: un nivel anterior bajo no cuenta")
            << true << QStringList{"Update Escolar Set Promedio=6 Where Nivel='LIC'"} << QStringList{kSinInc} << true;

        // Estado civil y cónyuge.
        QTest::newRow("soltera con cónyuge") << true << QStringList{"Update Persona Set Edo_civil='S' Where Tipo='SOL'"}
                                             << QStringList{kReporte, "No puede tener Estado Civil de Soltero y tener Cónyuge"} << false;
        QTest::newRow("soltera con cónyuge sin nombre")
            << true << QStringList{"Update Persona Set Edo_civil='S' Where Tipo='SOL'", "Update Persona Set Nombre_1='' Where Tipo='CGE'"}
            << QStringList{kSinInc} << true;
        QTest::newRow("casada con cónyuge sin nombre")
            << true << QStringList{"Update Persona Set Nombre_1=NULL Where Tipo='CGE'"}
            << QStringList{kReporte, "No puede tener Estado Civil de Casado y no tener Cónyuge"} << false;
        // El cónyuge que no viaja se borra de los dependientes: no es una contradicción.
        QTest::newRow("casada sin renglón de cónyuge")
            << false << QStringList{"Update Persona Set Edo_civil='C' Where Tipo='SOL'"} << QStringList{kSinInc} << true;
        QTest::newRow("sexo de un hijo") << true << QStringList{"Update Persona Set Sexo='X' Where Tipo='HJ2'"}
                                         << QStringList{kReporte, "El Campo de Sexo para Dependientes sólo puede ser F o M"} << false;
        QTest::newRow("sexo de una persona sin nombre no cuenta")
            << true << QStringList{"Update Persona Set Sexo='', Nombre_1='' Where Tipo='HJ2'"} << QStringList{kSinInc} << true;

        // Idiomas y becas recibidas.
        QTest::newRow("lectura 0") << true << QStringList{"Update Trabajo Set Lectura='0' Where Tipo='IDI' And secuencia=1"}
                                   << QStringList{kReporte, "Su Conocimiento de Idiomas en Lectura debe ser mayor a 0% y menor o igual a 100% "} << false;
        QTest::newRow("idioma al 100 en los tres")
            << true << QStringList{"Update Trabajo Set Escritura='100',Lectura='100',Comprension='100' Where Tipo='IDI'"}
            << QStringList{kSinInc} << true;
        QTest::newRow("idioma: 101, vacío y letras, en su orden")
            << true << QStringList{"Update Trabajo Set Escritura='101',Lectura='AB',Comprension=NULL Where Tipo='IDI' And secuencia=2"}
            << QStringList{kReporte, "Su Conocimiento de Idiomas en Escritura debe ser mayor a 0% y menor o igual a 100% ",
                           "Su Conocimiento de Idiomas en Lectura debe ser mayor a 0% y menor o igual a 100% ",
                           "Su Conocimiento de Idiomas en Comprensión debe ser mayor a 0% y menor o igual a 100% "}
            << false;
        QTest::newRow("beca recibida de 0 meses y sin meses")
            << true << QStringList{"Update Trabajo Set Meses=0 Where Tipo='BEC' And secuencia=1", "Update Trabajo Set Meses=NULL Where Tipo='BEC' And secuencia=2"}
            << QStringList{kReporte, "El Campo Meses para Becas Recibidas debe ser positivo ",
                           "El Campo Meses para Becas Recibidas debe ser positivo "}
            << false;

        // Solicitante.
        QTest::newRow("sin fecha de nacimiento")
            << true << QStringList{"Update Persona Set Fec_nac=NULL Where Tipo='SOL'"}
            << QStringList{kReporte, "No especificó su Fecha de Nacimiento",
                           "El formato del año de la Fecha de Nacimiento no es de 4 digitos, Modifique el formato desde configuracion regional y vueva a capturar la fecha",
                           "El formato de la Fecha de Nacimiento es Inválida"}
            << false;
        QTest::newRow("sin sexo ni lugar de nacimiento")
            << true << QStringList{"Update Persona Set Sexo='', Ciudad_nac=0 Where Tipo='SOL'"}
            << QStringList{kReporte, "No especificó su Sexo", "Falta Lugar de Nacimiento (país, estado o ciudad)"} << false;
        QTest::newRow("sin apellido paterno") << true << QStringList{"Update Persona Set Paterno='' Where Tipo='SOL'"}
                                              << QStringList{kReporte, "No se Indicó bien el Nombre del Solicitante"} << false;
        // Ninguna edad mínima: sólo una fecha después de hoy es inválida.
        QTest::newRow("nacida hace menos de 15 años")
            << true << QStringList{"Update Persona Set Fec_nac='16/03/1989' Where Tipo='SOL'"}
            << QStringList{kSinInc} << true;
        QTest::newRow("nacida hoy") << true << QStringList{"Update Persona Set Fec_nac='15/03/2004' Where Tipo='SOL'"}
                                    << QStringList{kSinInc} << true;
        QTest::newRow("nacida mañana") << true << QStringList{"Update Persona Set Fec_nac='16/03/2004' Where Tipo='SOL'"}
                                       << QStringList{kReporte, "La Fecha de Nacimiento es Inválida"} << false;
        QTest::newRow("cumple 15 años hoy") << true << QStringList{"Update Persona Set Fec_nac='15/03/1989' Where Tipo='SOL'"}
                                            << QStringList{kSinInc} << true;
        QTest::newRow("nacida después de hoy") << true << QStringList{"Update Persona Set Fec_nac='01/01/2010' Where Tipo='SOL'"}
                                               << QStringList{kReporte, "La Fecha de Nacimiento es Inválida"} << false;
        QTest::newRow("otra persona no hace las veces de solicitante")
            << true << QStringList{"Delete from Persona Where Tipo='SOL'"}
            << QStringList{kReporte, "No se Indicó bien el Nombre del Solicitante", "No especificó su Fecha de Nacimiento",
                           "El formato del año de la Fecha de Nacimiento no es de 4 digitos, Modifique el formato desde configuracion regional y vueva a capturar la fecha",
                           "El formato de la Fecha de Nacimiento es Inválida"}
            << false;

        // Domicilios y familiar para accidentes.
        QTest::newRow("domicilio sin calle") << true << QStringList{"Update Domicilio Set Calle='' Where Tipo='ACT'"}
                                             << QStringList{kReporte, "Faltaron Datos en su Domicilio Particular"} << false;
        QTest::newRow("domicilio con estado 0") << true << QStringList{"Update Domicilio Set Estado_Clave=0 Where Tipo='ACT'"}
                                                << QStringList{kReporte, "Faltaron Datos en su Domicilio Particular"} << false;
        // Un estado o una ciudad nulos se leen vacíos y pasan; sólo 0 falta.
        QTest::newRow("domicilio guardado sin escribir nada")
            << true << QStringList{"Update Domicilio Set Calle='S/C',Ciudad_Clave=NULL,Estado_Clave=NULL,Pais_Clave=NULL Where Tipo='ACT'"}
            << QStringList{kSinInc} << true;
        QTest::newRow("domicilio con ciudad nula") << true << QStringList{"Update Domicilio Set Ciudad_Clave=NULL Where Tipo='ACT'"}
                                                   << QStringList{kSinInc} << true;
        QTest::newRow("sin domicilio particular") << true << QStringList{"Delete from Domicilio Where Tipo='ACT'"}
                                                  << QStringList{kReporte, "Faltaron Datos en su Domicilio Particular"} << false;
        QTest::newRow("familiar sin nombre ni apellido")
            << true << QStringList{"Update Persona Set Nombre_1='',Paterno=NULL Where Tipo='ACC'"}
            << QStringList{kReporte, "Falta capturar datos del familiar en caso de Accidente"} << false;
        QTest::newRow("sin familiar para accidentes") << true << QStringList{"Delete from Persona Where Tipo='ACC'"}
                                                      << QStringList{kSinInc} << true;
        QTest::newRow("domicilio del familiar con ciudad 0")
            << true << QStringList{"Update Domicilio Set Ciudad_Clave=0 Where Tipo='ACC'"}
            << QStringList{kReporte, "Faltaron Datos en el Domicilio del Familiar a Avisar en caso de Accidente"} << false;
        QTest::newRow("domicilio del familiar sin estado")
            << true << QStringList{"Update Domicilio Set Estado_Clave=NULL Where Tipo='ACC'"}
            << QStringList{kSinInc} << true;

        // Datos generales.
        QTest::newRow("generales vacíos")
            << true << QStringList{"Update General Set Convocatoria=NULL,Motivos_A='',Motivos_B=NULL,Motivos_C=NULL,Grado_ini=NULL"}
            << QStringList{kReporte, "No especificó la convocatoria en la que concursa",
                           "Debe Indicar las razones por las que quiere hacer un postgrado en el área y especialidad que indica.",
                           "Debe Indicar las razones por las que seleccionó las instituciones indicadas para realizar sus estudios.",
                           "Debe Indicar sus planes de trabajo después de terminar sus estudios.",
                           "Falta Grado Pretendido de Estudios"}
            << false;
        QTest::newRow("grado final menor al inicial") << true << QStringList{"Update General Set Grado_fin=19"}
                                                      << QStringList{kReporte, "El grado final Pretendido de Posgrado no puede ser menor al Inicial"} << false;
        QTest::newRow("grado final mayor al inicial") << true << QStringList{"Update General Set Grado_ini=19"}
                                                      << QStringList{kSinInc} << true;

        // Opciones.
        QTest::newRow("opción sin institución ni programa")
            << true << QStringList{"Update Beca Set Escuela=0, Nombre_prog=NULL Where Clave=4"}
            << QStringList{kReporte, "No se Encuentra Nombre de la Institución (opción 4)",
                           "No se Encuentra Nombre Oficial del Programa de Estudios (opción 4)"}
            << false;
        QTest::newRow("beca que termina el día que empieza")
            << true << QStringList{"Update Beca Set Fecha_fin=Fecha_ini Where Clave=1"}
            << QStringList{kReporte, "La Fecha de Término de Beca debe ser mayor a la de Inicio (opción 1)"} << false;
        QTest::newRow("estudios al revés")
            << true << QStringList{"Update Beca Set Fec_ini_est='05/03/2005', Fec_fin_est='03/05/2004' Where Clave=5"}
            << QStringList{kReporte, "La Fecha de Término de Estudios debe ser mayor a la de Inicio (opción 5)"} << false;
        QTest::newRow("opción guardada sin fechas")
            << true << QStringList{"Update Beca Set Fecha_ini=NULL, Fec_fin_est='  /  /    ' Where Clave=2"}
            << QStringList{kReporte, "Falta la Fecha de inicio de la beca (opción 2)", "Falta la Fecha de término de estudios (opción 2)",
                           "El formato del año de la Fecha de inicio de la beca" + kRecaptura}
            << false;
        QTest::newRow("fechas de opción ilegibles")
            << true << QStringList{"Update Beca Set Fecha_fin='1/9/2008', Fec_ini_est='31/02/2004' Where Clave=3"}
            << QStringList{kReporte, "La Fecha de término de la beca no es una fecha válida (opción 3)",
                           "La Fecha de inicio de estudios no es una fecha válida (opción 3)",
                           "El formato del año de la Fecha de termino de la beca" + kRecaptura}
            << false;

        // Antecedentes escolares.
        QTest::newRow("sin licenciatura") << true << QStringList{"Delete from Escolar Where Nivel='LIC'"}
                                          << QStringList{kReporte, "Falta capturar la licenciatura en antecedentes escolares "} << false;
        QTest::newRow("maestría sin tipo de escuela")
            << true << QStringList{"Update Escolar Set Tipo='' Where Nivel='MAE'"}
            << QStringList{kReporte, "Falta el tipo (Publica / Privada en Maestría (UNIVERSIDAD NACIONAL AUTÓNOMA DE MÉXICO)",
                           "El Tipo de Escuela en que estudió debe ser PUB o PRV "}
            << false;
        QTest::newRow("doctorado sin institución ni carrera")
            << true << QStringList{"Update Escolar Set Nombre='', Carrera=NULL, Tipo='XXX' Where Nivel='DOC'"}
            << QStringList{kReporte, "El Nombre de la Institucion en Doctorado", "Falta el nombre de la carrera en Doctorado"} << false;
        QTest::newRow("licenciatura que termina antes de empezar")
            << true << QStringList{"Update Escolar Set Fecha_fin='01/01/1990' Where Nivel='LIC'"}
            << QStringList{kReporte, "Error en las fechas de duracion en datos escolares Licenciatura (UNIVERSIDAD DE GUADALAJARA)"} << false;
        QTest::newRow("otros estudios sin año de inicio")
            << true << QStringList{"Update Escolar Set Fecha_ini=NULL Where Nivel='OTR' And secuencia=2"}
            << QStringList{kReporte, "La longitud del año de inicio de Otros estudios 2 (COLEGIO DE INGENIEROS QUÍMICOS) debe ser de 4 dígitos",
                           "Falta la fecha de inicio de Otros estudios 2 (COLEGIO DE INGENIEROS QUÍMICOS)"}
            << false;

        // Lo que la entrega no puede llevar, llegado a la base sin pasar por las ventanas.
        QTest::newRow("no entregable: carácter fuera de Windows-1252")
            << true << QStringList{"Update Persona Set Nombre_2='JOSÉ ☃' Where Tipo='SOL'"}
            << QStringList{kReporte, "El Campo Nombre_2 de Persona (clave 1) no se puede entregar: contiene el carácter «☃», "
                                     "que la entrega no admite"}
            << false;
        QTest::newRow("no entregable: texto más largo que su campo")
            << true << QStringList{"Update Domicilio Set Colonia=printf('%.256c', 'A') Where Tipo='ACT'"}
            << QStringList{kReporte, "El Campo Colonia de Domicilio (clave 1) no se puede entregar: el texto pasa de 255 caracteres"}
            << false;
        QTest::newRow("no entregable: monto fuera de 32 bits")
            << true << QStringList{"Update Beca Set Total_col=3000000000 Where Clave=1"}
            << QStringList{kReporte, "El Campo Total_col de Beca (clave 1) no se puede entregar: el número 3000000000 no cabe en el campo"}
            << false;
    }
    void reporte()
    {
        QFETCH(bool, casado);
        QFETCH(QStringList, sentencias);
        QFETCH(QStringList, esperado);
        QFETCH(bool, veredicto);
        Entorno e;
        Muestra::llena(casado);
        prepara(sentencias);
        const Revision::Resultado r = Revision::revisa();
        QCOMPARE(r.lineas, esperado);
        QCOMPARE(r.sinInconsistencias, veredicto);
    }

    // Una fecha guardada que no existe se informa nombrando el campo, sin detener la revisión.
    void fechaGuardadaImposible_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("nacimiento") << "Update Persona Set Fec_nac='31/04/1975' Where Tipo='SOL'"
                                    << QStringList{kReporte, "La Fecha de Nacimiento no es una fecha válida"};
        QTest::newRow("escolar") << "Update Escolar Set Fecha_fin='30/02/1998' Where Nivel='LIC'"
                                 << QStringList{kReporte, "La fecha de término de Licenciatura (UNIVERSIDAD DE GUADALAJARA) no es una fecha válida"};
    }
    void fechaGuardadaImposible()
    {
        QFETCH(QString, sentencia);
        QFETCH(QStringList, esperado);
        Entorno e;
        Muestra::llena();
        try {
            Entorno::sql(sentencia);
        } catch (const ErrorBase &) {
            QSKIP("la base ya rechaza fechas imposibles en esta columna");
        }
        const Revision::Resultado r = Revision::revisa();
        QCOMPARE(r.lineas, esperado);
        QVERIFY(!r.sinInconsistencias);
    }

    // Sin solicitud alguna, cada chequeo aparece en su orden.
    void solicitudVaciaEnOrden()
    {
        Entorno e;
        QList<int> avances;
        const Revision::Resultado r = Revision::revisa([&](int v) { avances << v; });
        const QStringList esperado{
            kReporte,
            "No se Indicó bien el Nombre del Solicitante",
            "No especificó su Fecha de Nacimiento",
            "El formato del año de la Fecha de Nacimiento no es de 4 digitos, Modifique el formato desde configuracion regional y vueva a capturar la fecha",
            "El formato de la Fecha de Nacimiento es Inválida",
            "Faltaron Datos en su Domicilio Particular",
            "No especificó la convocatoria en la que concursa",
            "Debe Indicar las razones por las que quiere hacer un postgrado en el área y especialidad que indica.",
            "Debe Indicar las razones por las que seleccionó las instituciones indicadas para realizar sus estudios.",
            "Debe Indicar sus planes de trabajo después de terminar sus estudios.",
            "Falta Grado Pretendido de Estudios",
            "No capturo ninguna opcion",
            "Falta capturar la licenciatura en antecedentes escolares ",
        };
        QCOMPARE(r.lineas, esperado);
        QVERIFY(!r.sinInconsistencias);
        QCOMPARE(avances, (QList<int>{20, 40, 60, 70, 100}));
    }

    // Las fechas se comparan bien con cualquier formato corto del sistema.
    void formatoRegional_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("separador");
        QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << "/";
        QTest::newRow("M/d/yyyy") << "M/d/yyyy" << "/";
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << "-";
        QTest::newRow("d.M.yy") << "d.M.yy" << ".";
        QTest::newRow("dd/MM/yy") << "dd/MM/yy" << "/";
        QTest::newRow("yyyyMMdd") << "yyyyMMdd" << "/";
        QTest::newRow("sin año") << "dd/MM" << "/";
    }
    void formatoRegional()
    {
        QFETCH(QString, formato);
        QFETCH(QString, separador);
        Entorno e;
        Regional::fija(formato, separador.at(0));
        QCOMPARE(Fechas::lee(QStringLiteral("05/03/2004")), QDate(2004, 3, 5));
        QCOMPARE(Fechas::lee(QStringLiteral("29/02/2004")), QDate(2004, 2, 29));
        for (const char *mala : {"31/04/2004", "", "  /  /    ", "5/3/2004", "aa/bb/cccc"})
            QVERIFY2(!Fechas::lee(QLatin1String(mala)).isValid(), mala);

        Muestra::llena();
        // 5 de marzo a 3 de mayo: leídas al revés (mes por día) parecerían invertidas.
        Entorno::sql(QStringLiteral("Update Beca Set Fecha_ini='05/03/2004', Fecha_fin='03/05/2004' Where Clave=1"));
        QCOMPARE(Revision::revisa().lineas, QStringList{kSinInc});
        Entorno::sql(QStringLiteral("Update Beca Set Fecha_ini='03/05/2004', Fecha_fin='05/03/2004' Where Clave=1"));
        QCOMPARE(Revision::revisa().lineas,
                 (QStringList{kReporte, "La Fecha de Término de Beca debe ser mayor a la de Inicio (opción 1)"}));
    }

    void muestraMaxima()
    {
        Entorno e;
        Muestra::llenaMaxima();
        struct L { const char *tipo; int limite; };
        for (const L &l : {L{"BEC", Muestra::kBecas}, L{"REC", Muestra::kReconocimientos}, L{"PUB", Muestra::kPublicaciones},
                           L{"CON", Muestra::kCongresos}, L{"TES", Muestra::kTesis}, L{"TRA", Muestra::kLaborales},
                           L{"ASO", Muestra::kAsociaciones}, L{"IDI", Muestra::kIdiomas}}) {
            QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo"), QStringLiteral("Tipo='%1'").arg(QLatin1String(l.tipo))), l.limite);
            QCOMPARE(Entorno::valor(QStringLiteral("Select max(secuencia) From Trabajo Where Tipo=:t"),
                                    {{QStringLiteral("t"), QLatin1String(l.tipo)}}).toInt(), l.limite);
        }
        QCOMPARE(Entorno::cuenta(QStringLiteral("Escolar"), QStringLiteral("Nivel='OTR'")), Muestra::kOtrosEstudios);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Beca")), Muestra::kOpciones);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona"), QStringLiteral("Tipo like 'HJ%'")), 4);
        QCOMPARE(Revision::revisa().lineas, QStringList{kSinInc});
    }
};

REGISTRA_PRUEBA(PruebaRevision)
#include "PruebaRevision.moc"
