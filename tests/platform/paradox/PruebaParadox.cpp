#include "EntradaFuzz.h"
#include "platform/paradox/Paradox.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString motivoLargo(int n)
{
    // Texto con acentos, eñes, apóstrofos y saltos de línea, de n caracteres exactos.
    const QString trozo = QStringLiteral("Quiero estudiar en la École Polytechnique porque ahí enseñan "
                                         "lo que el país necesita; O'Neill dijo «¡sí!» y también €.\r\n");
    QString s;
    while (s.size() < n)
        s += trozo;
    s.truncate(n);
    return s;
}

void llenaSolicitud()
{
    using S = QString;
    Base::Transaccion tr;
    Entorno::sql(S("Insert into General values (1,6,15000,'31/12/2004',0,NULL,'N',1100,:sub,19,25,7,170,0,"
                   ":a,:b,'',NULL,0,'01/01/2001',NULL,'S')"),
                 {{S("sub"), S("Ingeniería de Señales y Visión")}, {S("a"), motivoLargo(10000)},
                  {S("b"), S("Porque la UNAM's y la Universidad de Montréal tienen convenio.")}});
    Entorno::sql(S("Insert into Persona values (1,'JOSÉ','MARÍA','MUÑOZ',:mat,'M','C','29/02/1980','MUOJ800229',"
                   "1234,32,'SOL','MUOJ800229HDFXXX01')"),
                 {{S("mat"), S("O'BRIEN")}});
    Entorno::sql(S("Insert into Persona values (2,'ÑUÑO',NULL,'PEÑA','','F','S',NULL,'',0,NULL,'CGE',NULL)"));
    Entorno::sql(S("Insert into Persona values (7,'ÅSA','','ÜBER','ÇELIK','F','S','01/01/1900','',0,0,'AVA','')"));
    Entorno::sql(S("Insert into Domicilio values (1,'ACT','AV. INSURGENTES SUR','S/N','','DEL VALLE',"
                   "'(0155)5555-1234','(    )    -    ','jose.munoz@ejemplo.mx','03100',1,9,32,14,0,1)"));
    Entorno::sql(S("Insert into Domicilio values (2,'OP1',:calle,'12 BIS','3º','QUARTIER LATIN','','','','0',"
                   "NULL,NULL,NULL,0,406,1)"),
                 {{S("calle"), S("RUE DE L'ÉCOLE DE MÉDECINE")}});
    Entorno::sql(S("Insert into Beca values (1,'Dra. Ana Pérez','Coordinadora','Doctorado en Ciencias','S',48,"
                   "'01/09/2004','31/08/2008',406,'01/09/2004','31/08/2008',1,'OP1',12000,5000,1000,"
                   "'MENSUAL','ANUAL','ANUAL',17,2,2,'S')"));
    Entorno::sql(S("Insert into Beca values (2,:contacto,'','Maestría','N',0,'  /  /    ','  /  /    ',0,"
                   "NULL,'',1,'OP2',0,0,0,'','','',17,0,0,'N')"),
                 {{S("contacto"), S("Mr. O'Hara")}});
    Entorno::sql(S("Insert into Escolar values (1,'UNIVERSIDAD NACIONAL AUTÓNOMA DE MÉXICO','PUB','01/01/1998',"
                   "'01/01/2002','LIC',9.25,'INGENIERÍA','S',1)"));
    Entorno::sql(S("Insert into Escolar values (2,'ÉCOLE POLYTECHNIQUE','PRV',NULL,NULL,'OTR',NULL,:c,'N',1)"),
                 {{S("c"), S("DIPLÔME D'ÉTUDES")}});
    Entorno::sql(S("Insert into Escolar values (3,'ITAM','PRV','01/01/2002','01/01/2004','MAE',0,'ECONOMÍA','N',2)"));
    Entorno::sql(S("Insert into Trabajo values (1,'PUB','EDITORIAL DEL SUR','15/06/2003',NULL,'','ARTICULO',0,:aut,"
                   ":tit,'MÉXICO','','','','12','33-45',1)"),
                 {{S("aut"), S("PÉREZ, J.; O'NEILL, M.")}, {S("tit"), S("Señales débiles en años húmedos")}});
    Entorno::sql(S("Insert into Trabajo values (2,'IDI','',NULL,NULL,'','',0,'','FRANCÉS','','100','80','90',"
                   "NULL,NULL,1)"));
    Entorno::sql(S("Insert into Trabajo values (3,'TRA','PETROLERA DEL GOLFO','01/02/2000','31/01/2002','JEFE DE ÁREA','',24,'','',"
                   "'','','','','','',1)"));
    Entorno::sql(S("Insert into Aval values (1,'045-123-ñ','REGISTRO PÚBLICO DE TOLUCA','10/10/1995','F-77',"
                   ":emp,'CONTABILIDAD','GERENTE','10 AÑOS','01/03/1994',10,'AVA','ANA','LUIS','',8000)"),
                 {{S("emp"), S("COMERCIAL O'HIGGINS DE MÉXICO")}});
    Entorno::sql(S("Insert into MontosQuiral values (1,1,'COLEGIATURA',50000,'A')"));
    Entorno::sql(S("Insert into MontosQuiral values (2,1,'APORTACIÓN FAMILIAR',-1500,'B')"));
    Entorno::sql(S("Insert into Cat_Ciudad values (99999,:n,9)"), {{S("n"), S("SAN JOSÉ DEL CABO'S")}});
    Entorno::sql(S("Insert into Cat_Estado values (9999,'ÑUBLE',46)"));
    Entorno::sql(S("Insert into Cat_Municipio values (99999,'PEÑÓN DE LOS BAÑOS',9)"));
    tr.confirma();
}

// Las filas de la base leídas sin pasar por el código de la entrega: enteros como qint64,
// reales como double y el texto vacío como campo en blanco.
QList<QVariantList> filasEsperadas(const Esquema::Tabla &t)
{
    const QList<QVariantList> crudas = Entorno::filas(QStringLiteral("select * from %1 order by %2")
                                                           .arg(QLatin1String(t.nombre), QLatin1String(t.clavePrimaria)));
    QList<QVariantList> r;
    for (const QVariantList &f : crudas) {
        QVariantList g;
        for (const QVariant &v : f) {
            if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
                g << QVariant();
            else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
                g << QVariant(v.toLongLong());
            else
                g << v;
        }
        r << g;
    }
    return r;
}

QString compara(const QList<QVariantList> &leidas, const QList<QVariantList> &esperadas)
{
    if (leidas.size() != esperadas.size())
        return QStringLiteral("%1 filas, se esperaban %2").arg(leidas.size()).arg(esperadas.size());
    for (int i = 0; i < leidas.size(); ++i)
        for (int c = 0; c < esperadas[i].size(); ++c) {
            const QVariant &a = leidas[i].value(c), &b = esperadas[i][c];
            if (a.isNull() != b.isNull() || (!a.isNull() && (a.typeId() != b.typeId() || a != b)))
                return QStringLiteral("fila %1 campo %2: %3 / %4").arg(i).arg(c).arg(a.toString().left(60), b.toString().left(60));
        }
    return {};
}

const Esquema::Tabla &tabla(const char *nombre) { return *Esquema::busca(QLatin1String(nombre)); }

} // namespace

class PruebaParadox : public QObject {
    Q_OBJECT
private slots:
    void cadaTablaEntregadaSeLeeIgual_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QStringList>("archivos");
        const auto fila = [](const char *t, QStringList a) { QTest::newRow(t) << QString::fromLatin1(t) << a; };
        fila("Beca", {"Beca.db", "Beca.px"});
        fila("Domicilio", {"Domicilio.db", "Domicilio.px"});
        fila("General", {"General.db", "General.px", "General.mb"});
        fila("Persona", {"Persona.db", "Persona.px"});
        fila("Cat_Ciudad", {"Cat_Ciudad.db", "Cat_Ciudad.px"});
        fila("Cat_Estado", {"Cat_Estado.db", "Cat_Estado.px"});
        fila("Cat_Municipio", {"cat_municipio.db", "cat_municipio.px"});
        fila("Institucion", {"Institucion.db", "Institucion.px"});
        fila("Escolar", {"Escolar.db", "Escolar.px"});
        fila("Trabajo", {"Trabajo.db", "Trabajo.px"});
        fila("MontosQuiral", {"MontosQuiral.db", "MontosQuiral.px"});
        fila("Aval", {"Aval.db", "Aval.px"});
    }
    void cadaTablaEntregadaSeLeeIgual()
    {
        QFETCH(QString, tabla);
        QFETCH(QStringList, archivos);
        Entorno e;
        llenaSolicitud();
        const Esquema::Tabla &t = *Esquema::busca(tabla);
        QTemporaryDir destino;
        const QStringList escritos = Paradox::escribeTabla(t, destino.path());
        QStringList nombres;
        for (const QString &f : escritos)
            nombres << QFileInfo(f).fileName();
        QCOMPARE(nombres, archivos);
        QStringList ordenados = archivos;
        ordenados.sort();
        QCOMPARE(QDir(destino.path()).entryList(QDir::Files, QDir::Name), ordenados);   // con sus mayúsculas

        const Paradox::TablaLeida l = Paradox::leeTabla(escritos.first());
        QCOMPARE(l.paginaCodigos, 1252);
        QCOMPARE(l.camposLlave, 1);
        QVERIFY(l.conIndice);
        QStringList campos;
        for (const Paradox::Campo &c : l.campos)
            campos << c.nombre;
        QCOMPARE(campos, Esquema::nombresColumnas(t));
        for (int i = 0; i < l.campos.size(); ++i) {
            const Esquema::Columna &c = t.columnas[size_t(i)];
            const int tipo = l.campos[i].tipo;
            switch (c.clase) {
            case Esquema::Clase::Entero: QCOMPARE(tipo, 0x04); break;
            case Esquema::Clase::Real: QCOMPARE(tipo, 0x06); break;
            case Esquema::Clase::Fecha: QCOMPARE(tipo, 0x02); break;
            case Esquema::Clase::Memo: QCOMPARE(tipo, 0x0C); break;
            case Esquema::Clase::Texto:
                QCOMPARE(tipo, 0x01);
                QCOMPARE(l.campos[i].longitud, c.longitud);
                break;
            }
        }
        const QList<QVariantList> esperadas = filasEsperadas(t);
        QVERIFY(!esperadas.isEmpty());
        const QString diferencia = compara(l.filas, esperadas);
        QVERIFY2(diferencia.isEmpty(), qPrintable(diferencia));
        Paradox::verificaTabla(t, destino.path());
    }

    void valoresConcretosSobrevivenLaEntrega()
    {
        Entorno e;
        llenaSolicitud();
        QTemporaryDir d;
        for (const char *t : {"General", "Persona", "Escolar", "Beca", "MontosQuiral"})
            Paradox::escribeTabla(tabla(t), d.path());
        const auto general = Paradox::leeTabla(d.filePath(QStringLiteral("General.db"))).filas;
        QCOMPARE(general.size(), 1);
        QCOMPARE(general[0][3].toString(), QStringLiteral("31/12/2004"));   // fecha como fecha
        QCOMPARE(general[0][5], QVariant());                                  // NULL numérico en blanco
        QCOMPARE(general[0][8].toString(), QStringLiteral("Ingeniería de Señales y Visión"));
        QCOMPARE(general[0][14].toString().size(), 10000);
        QCOMPARE(general[0][14].toString(), motivoLargo(10000));
        QCOMPARE(general[0][16], QVariant());   // memo vacío
        QCOMPARE(general[0][17], QVariant());   // memo NULL
        const auto persona = Paradox::leeTabla(d.filePath(QStringLiteral("Persona.db"))).filas;
        QCOMPARE(persona[0][4].toString(), QStringLiteral("O'BRIEN"));
        QCOMPARE(persona[0][7].toString(), QStringLiteral("29/02/1980"));
        QCOMPARE(persona[1][1].toString(), QStringLiteral("ÑUÑO"));
        QCOMPARE(persona[2][7].toString(), QStringLiteral("01/01/1900"));
        const auto escolar = Paradox::leeTabla(d.filePath(QStringLiteral("Escolar.db"))).filas;
        QCOMPARE(escolar[0][6], QVariant(9.25));
        QCOMPARE(escolar[2][6], QVariant(0.0));   // un cero no es un campo en blanco
        QCOMPARE(escolar[1][6], QVariant());
        const auto beca = Paradox::leeTabla(d.filePath(QStringLiteral("Beca.db")));
        QCOMPARE(beca.campos[6].tipo, 0x01);      // las fechas de Beca son texto
        QCOMPARE(beca.filas[1][6].toString(), QStringLiteral("  /  /    "));
        const auto montos = Paradox::leeTabla(d.filePath(QStringLiteral("MontosQuiral.db"))).filas;
        QCOMPARE(montos[1][3], QVariant(qint64(-1500)));
    }

    void textoVaEnWindows1252()
    {
        Entorno e;
        llenaSolicitud();
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("Persona"), d.path());
        QFile f(d.filePath(QStringLiteral("Persona.db")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains(QByteArray("\xD1U\xD1O")));   // ÑUÑO
        QVERIFY(bytes.contains(QByteArray("MU\xD1OZ")));
        QVERIFY(!bytes.contains(QByteArray("\xC3\x91")));    // nada en UTF-8
    }

    void diasComoLosCuentaParadox()
    {
        QCOMPARE(Paradox::diaParadox(1, 1, 1), 1);
        QCOMPARE(Paradox::diaParadox(100, 1, 1), 36160);
        QCOMPARE(Paradox::diaParadox(1996, 5, 4), 728783);
    }

    void memosDeTodoTamano_data()
    {
        QTest::addColumn<int>("largo");
        for (int n : {1, 2, 15, 16, 17, 2048, 2049, 4087, 4088, 4089, 4090, 8183, 8184, 10000, 70000})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void memosDeTodoTamano()
    {
        QFETCH(int, largo);
        Entorno e;
        // Cuatro memos del mismo largo, para que compartan bloques del .mb.
        const QString a = motivoLargo(largo), b = motivoLargo(largo + 1).mid(1), c = a.toUpper(), dd = b.toLower();
        Entorno::sql(QStringLiteral("Insert into General (Clave,Motivos_A,Motivos_B,Motivos_C,Motivos_D) values (1,:a,:b,:c,:d)"),
                     {{QStringLiteral("a"), a}, {QStringLiteral("b"), b}, {QStringLiteral("c"), c}, {QStringLiteral("d"), dd}});
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("General"), d.path());
        QCOMPARE(QFileInfo(d.filePath(QStringLiteral("General.mb"))).size() % 4096, 0);
        const auto f = Paradox::leeTabla(d.filePath(QStringLiteral("General.db"))).filas;
        QCOMPARE(f[0][14].toString(), a);
        QCOMPARE(f[0][15].toString(), b);
        QCOMPARE(f[0][16].toString(), c);
        QCOMPARE(f[0][17].toString(), dd);
    }

    void muchosMemos()
    {
        Entorno e;
        Base::Transaccion tr;
        for (int i = 1; i <= 30; ++i)
            Entorno::sql(QStringLiteral("Insert into General (Clave,Motivos_A,Motivos_B,Motivos_C) values (:c,:a,:b,'ñ')"),
                         {{QStringLiteral("c"), i}, {QStringLiteral("a"), motivoLargo(30 + i)}, {QStringLiteral("b"), motivoLargo(200 - i)}});
        tr.confirma();
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("General"), d.path());
        Paradox::verificaTabla(tabla("General"), d.path());
    }

    void indiceApuntaALaPrimeraLlaveDeCadaBloque()
    {
        Entorno e;
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("Cat_Municipio"), d.path());
        const auto l = Paradox::leeTabla(d.filePath(QStringLiteral("cat_municipio.db")));
        QCOMPARE(l.filas.size(), 2478);
        QCOMPARE(l.tamanoBloque, 4096);
        QVERIFY(l.indice.size() > 10);
        int fila = 0;
        QSet<int> bloques;
        for (const auto &entrada : l.indice) {
            QCOMPARE(entrada.llave, l.filas[fila][0]);
            QVERIFY(entrada.registros > 0);
            bloques.insert(entrada.bloque);
            fila += entrada.registros;
        }
        QCOMPARE(fila, l.filas.size());
        QCOMPARE(bloques.size(), l.indice.size());
        for (int i = 1; i < l.filas.size(); ++i)
            QVERIFY(l.filas[i - 1][0].toLongLong() < l.filas[i][0].toLongLong());
    }

    void indiceDeDosNiveles()
    {
        // Más bloques de datos de los que caben en un bloque del índice: pxlib añade un nivel.
        Entorno e;
        {
            Base::Transaccion tr;
            Consulta q;
            for (int i = 0; i < 6000; ++i)
                q.ejecuta(QStringLiteral("Insert into Cat_Ciudad values (:c,:n,1)"),
                          {{QStringLiteral("c"), 100000 + i}, {QStringLiteral("n"), QStringLiteral("CIUDAD Nº %1").arg(i)}});
            tr.confirma();
        }
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("Cat_Ciudad"), d.path());
        const auto l = Paradox::leeTabla(d.filePath(QStringLiteral("Cat_Ciudad.db")));
        QVERIFY(l.indice.size() > (2048 - 6) / 10);
        int fila = 0;
        for (const auto &entrada : l.indice) {
            QCOMPARE(entrada.llave, l.filas[fila][0]);
            fila += entrada.registros;
        }
        QCOMPARE(fila, l.filas.size());
        Paradox::verificaTabla(tabla("Cat_Ciudad"), d.path());
    }

    void registrosGrandesUsanBloquesMayores()
    {
        Entorno e;
        llenaSolicitud();
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("Trabajo"), d.path());
        Paradox::escribeTabla(tabla("Persona"), d.path());
        const auto trabajo = Paradox::leeTabla(d.filePath(QStringLiteral("Trabajo.db")));
        QVERIFY(trabajo.tamanoRegistro > 1350);
        QCOMPARE(trabajo.tamanoBloque, 16384);
        QCOMPARE(Paradox::leeTabla(d.filePath(QStringLiteral("Persona.db"))).tamanoBloque, 4096);
    }

    void tablaVaciaConSuIndice()
    {
        Entorno e;
        QTemporaryDir d;
        QCOMPARE(Paradox::escribeTabla(tabla("Aval"), d.path()).size(), 2);
        const auto l = Paradox::leeTabla(d.filePath(QStringLiteral("Aval.db")));
        QVERIFY(l.filas.isEmpty());
        QCOMPARE(l.camposLlave, 1);
    }

    void llaveQueNoVaAlPrincipio()
    {
        Entorno e;
        QTemporaryDir d;
        // T_Espec tiene su llave en la tercera columna: se entrega sin llave.
        QCOMPARE(Paradox::archivosDe(tabla("T_Espec")), QStringList{QStringLiteral("T_Espec.db")});
        Paradox::escribeTabla(tabla("T_Espec"), d.path());
        QVERIFY(!QFile::exists(d.filePath(QStringLiteral("T_Espec.px"))));
        QCOMPARE(Paradox::leeTabla(d.filePath(QStringLiteral("T_Espec.db"))).camposLlave, 0);
        // Pais_Conv: llave de dos columnas al principio.
        Paradox::escribeTabla(tabla("Pais_Conv"), d.path());
        const auto pc = Paradox::leeTabla(d.filePath(QStringLiteral("Pais_Conv.db")));
        QCOMPARE(pc.camposLlave, 2);
        QVERIFY(pc.conIndice);
        Paradox::verificaTabla(tabla("Pais_Conv"), d.path());
        Paradox::verificaTabla(tabla("T_Espec"), d.path());
    }

    void datoQueNoCabeDetieneLaTabla_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("columna");
        QTest::newRow("texto largo") << "Insert into Persona (Clave,Curp,Tipo) values (1,:v,'SOL')"
                                     << QStringLiteral("Ñ").repeated(26) << "Curp";
        QTest::newRow("fuera de Windows-1252") << "Insert into Persona (Clave,Paterno,Tipo) values (1,:v,'SOL')"
                                               << QStringLiteral("ŁÓDŹ") << "Paterno";
        QTest::newRow("número grande") << "Insert into Persona (Clave,Ciudad_nac,Tipo) values (1,:v,'SOL')"
                                       << "3000000000" << "Ciudad_nac";
    }
    void datoQueNoCabeDetieneLaTabla()
    {
        QFETCH(QString, sentencia);
        QFETCH(QString, valor);
        QFETCH(QString, columna);
        Entorno e;
        QVariant v = valor;
        if (columna == QStringLiteral("Ciudad_nac"))
            v = valor.toLongLong();
        Entorno::sql(sentencia, {{QStringLiteral("v"), v}});
        QTemporaryDir d;
        try {
            Paradox::escribeTabla(tabla("Persona"), d.path());
            QFAIL("debió fallar");
        } catch (const ErrorBase &err) {
            QVERIFY2(err.mensaje().contains(columna), qPrintable(err.mensaje()));
            QVERIFY(err.mensaje().contains(QStringLiteral("Persona")));
        }
        QVERIFY(QDir(d.path()).entryList(QDir::Files).isEmpty());   // nada a medias
    }

    void verificacionDescubreDiferencias()
    {
        Entorno e;
        llenaSolicitud();
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("Persona"), d.path());
        Paradox::verificaTabla(tabla("Persona"), d.path());
        Entorno::sql(QStringLiteral("Update Persona set Nombre_1='JOSE' where Clave=1"));
        QVERIFY_THROWS_EXCEPTION(ErrorBase, Paradox::verificaTabla(tabla("Persona"), d.path()));
        // Sin su .px la tabla no se acepta.
        Paradox::escribeTabla(tabla("Persona"), d.path());
        QFile::remove(d.filePath(QStringLiteral("Persona.px")));
        QVERIFY_THROWS_EXCEPTION(ErrorBase, Paradox::leeTabla(d.filePath(QStringLiteral("Persona.db"))));
    }

    // Lo que el fuzzer usa de semilla se lee entero; lo que alguna vez tumbó a un lector se
    // rechaza con un mensaje.
    void entradasDelFuzzer_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<bool>("legible");
        for (const char *carpeta : {"semillas", "regresion"}) {
            const QDir d(QStringLiteral(DIR_FUZZ) + u'/' + QLatin1String(carpeta));
            for (const QString &n : d.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(QLatin1String(carpeta) + u'/' + n)) << d.filePath(n) << (qstrcmp(carpeta, "semillas") == 0);
        }
    }
    void entradasDelFuzzer()
    {
        QFETCH(QString, archivo);
        QFETCH(bool, legible);
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(EntradaFuzz::lee(EntradaFuzz::descompone(reinterpret_cast<const std::uint8_t *>(b.constData()), size_t(b.size()))), legible);
    }

    void reescribirReemplazaLoAnterior()
    {
        Entorno e;
        llenaSolicitud();
        QTemporaryDir d;
        Paradox::escribeTabla(tabla("General"), d.path());
        Entorno::sql(QStringLiteral("Update General set Motivos_A='corto', Motivos_B=NULL"));
        Paradox::escribeTabla(tabla("General"), d.path());
        Paradox::verificaTabla(tabla("General"), d.path());
        QCOMPARE(QFileInfo(d.filePath(QStringLiteral("General.mb"))).size(), 8192);   // encabezado y un bloque
    }
};

REGISTRA_PRUEBA(PruebaParadox)
#include "PruebaParadox.moc"
