#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "admin/U_Admon.h"
#include "package/U_recupera.h"
#include "platform/Base.h"
#include "platform/Esquema.h"
#include "platform/Manifiesto.h"
#include "platform/paradox/Paradox.h"
#include "reports/Reportes.h"
#include "review/Revision.h"
#include "shell/U_inicial.h"
#include "support/Cli.h"
#include "support/Entorno.h"
#include "support/Memoria.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

#include <sys/stat.h>

namespace {

using S = QString;

// Lo que se ve de la solicitud de la base activa: cada tabla de la solicitud fila por fila,
// la revisión y el texto de cada formato impreso.
QStringList foto()
{
    QStringList r;
    for (const Esquema::Tabla &t : Esquema::tablas())
        if (!t.catalogo)
            for (const QVariantList &fila : Paradox::filasDeBase(t)) {
                QStringList valores;
                for (const QVariant &v : fila)
                    valores << (v.isNull() ? S("∅") : v.toString());
                r << QLatin1String(t.nombre) + S(": ") + valores.join(u'|');
            }
    r << Revision::revisa().lineas;
    for (const QString &n : Reportes::nombres()) {
        const auto documento = Reportes::construye(n);
        for (const Informe::Pagina &p : documento->paginas)
            r << n + S(": ") + p.contenido();
    }
    return r;
}

void entrega(const QString &medio) { Entrega::Preparada(Entrega::convocatoria()).copiaA(medio); }

QByteArray huellaBase(const QString &carpeta) { return Manifiesto::huella(Base::archivoEn(carpeta)).toLatin1(); }

// Daña el paquete del medio como lo pide la prueba.
void dana(const QString &medio, const QString &dano)
{
    const QDir d(medio);
    const QString recibo = d.filePath(S("entrega.sha256"));
    if (dano == u"byte") {
        QFile f(d.filePath(S("Persona.db")));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(f.size() - 10);
        const char c = f.peek(1).at(0);
        f.write(QByteArray(1, char(c ^ 0x20)));
    } else if (dano == u"falta") {
        QVERIFY(QFile::remove(d.filePath(S("Trabajo.px"))));
    } else if (dano == u"sinRecibo") {
        QVERIFY(QFile::remove(recibo));
    } else if (dano == u"recibo") {
        QFile f(recibo);
        QVERIFY(f.open(QIODevice::Append));
        f.write("esto no es una huella\n");
    } else if (dano.contains(u':')) {
        // «clase:archivo:…»: el daño que haría quien arma un paquete a propósito; el recibo se
        // rehace después, para que lo que se pruebe sea la lectura y no la huella.
        const QStringList p = dano.split(u':');
        const QString archivo = d.filePath(p.value(1));
        if (p[0] == u"parche" || p[0] == u"busca") {
            QFile f(archivo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            qint64 pos = p[2].toLongLong(nullptr, 0);
            if (p[0] == u"busca")
                pos = f.readAll().indexOf(p[2].toLatin1()) + p[3].toInt();
            QVERIFY(pos >= 0 && f.seek(pos));
            f.write(QByteArray::fromHex(p.last().toLatin1()));
        } else if (p[0] == u"corta") {
            QVERIFY(QFile::resize(archivo, p[2].toLongLong()));
        } else if (p[0] == u"enlace") {
            QVERIFY(QFile::remove(archivo) && QFile::link(d.filePath(S("Beca.db")), archivo));
        } else if (p[0] == u"fifo" || p[0] == u"carpeta") {
            QVERIFY(QFile::remove(archivo));
            QVERIFY(p[0] == u"fifo" ? ::mkfifo(QFile::encodeName(archivo).constData(), 0600) == 0 : d.mkdir(p[1]));
            return;
        } else if (p[0] == u"relleno") {
            QFile f(archivo);
            QVERIFY(f.open(QIODevice::Append));
            f.write(QByteArray(p[2].toInt(), '\n'));
            return;
        } else if (p[0] == u"enorme") {
            QVERIFY(QFile::resize(archivo, qint64(2) << 30));   // disperso: no ocupa disco
            return;
        }
        QByteArray nuevo;
        for (const Manifiesto::Linea &l : Manifiesto::lee(recibo))
            nuevo += Manifiesto::huella(d.filePath(l.archivo)).toLatin1() + "  " + l.archivo.toUtf8() + '\n';
        QFile f(recibo);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(nuevo);
    } else if (dano == u"ajeno") {
        QVERIFY(QFile::copy(d.filePath(S("Beca.db")), d.filePath(S("Aval.db"))));
        QFile f(recibo);
        QVERIFY(f.open(QIODevice::Append));
        f.write(Manifiesto::huella(d.filePath(S("Aval.db"))).toLatin1() + "  Aval.db\n");
    }
}

} // namespace

class PruebaPaquete : public QObject {
    Q_OBJECT
private slots:
    // Entregada, verificada y restaurada en una carpeta nueva, la solicitud es la misma:
    // tablas, revisión y formatos impresos, con la ciudad que agregó el solicitante.
    void idaYVuelta_data()
    {
        QTest::addColumn<bool>("credito");
        QTest::newRow("convocatoria 482") << false;
        QTest::newRow("crédito educativo") << true;
    }
    void idaYVuelta()
    {
        QFETCH(bool, credito);
        Entorno e;
        credito ? MuestraCredito::llena() : Muestra::llena();
        Entorno::sql(S("Update Persona Set Materno=:m Where Tipo='SOL'"), {{S("m"), S("O'CONNOR ÑÚÑEZ")}});
        Entorno::sql(S("Update General Set Motivos_B=:m"), {{S("m"), MuestraCredito::textoLargo(10000)}});
        Entorno::sql(S("Insert Into Cat_Ciudad Values ((Select Max(Clave)+1 From Cat_Ciudad),'VILLA DEL SOLICITANTE',14)"));
        Entorno::sql(S("Update Domicilio Set Ciudad_Clave=(Select Max(Clave) From Cat_Ciudad) Where Tipo='ACT'"));
        const QStringList original = foto();
        QTemporaryDir medio, destino;
        entrega(medio.path());

        const SalidaCli v = corre({S("verifica"), medio.path()});
        QCOMPARE(v.codigo, 0);
        QVERIFY2(v.salida.contains(S("O'CONNOR ÑÚÑEZ")) && v.salida.contains(S("No hay Inconsistencias")), qPrintable(v.salida));
        const QString nueva = destino.filePath(S("tablas"));
        const SalidaCli r = corre({S("restaura"), medio.path(), S("--tablas"), nueva});
        QVERIFY2(r.codigo == 0, qPrintable(r.error));
        QVERIFY2(r.salida.contains(S("agregados: 1;")), qPrintable(r.salida));
        Base::abre(nueva);
        QCOMPARE(foto(), original);
    }

    // Un paquete incompleto o cambiado no se verifica ni se restaura, y la carpeta de tablas
    // queda como estaba.
    void paqueteDanado_data()
    {
        QTest::addColumn<QString>("dano");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("un byte cambiado") << "byte" << "El archivo Persona.db no coincide con el recibo";
        QTest::newRow("falta un archivo") << "falta" << "Falta el archivo Trabajo.px";
        QTest::newRow("falta el recibo") << "sinRecibo" << "Falta el recibo de la entrega";
        QTest::newRow("recibo dañado") << "recibo" << "está dañado";
        QTest::newRow("archivo ajeno") << "ajeno" << "Aval.db no es parte de una entrega de la convocatoria 482";
        // Hechos a propósito, con el recibo rehecho: los lee el lector de tablas, no la huella.
        const S ajena = S("no es una tabla de esta versión del programa");
        QTest::newRow("tabla cortada") << "corta:General.db:688" << S("General.db del paquete ") + ajena;
        QTest::newRow("encabezado de 1 byte") << "parche:General.db:2:0100" << "encabezado de 1 bytes";
        QTest::newRow("encabezado de 65535") << "parche:General.db:2:ffff" << "encabezado de 65535 bytes";
        QTest::newRow("primer bloque fuera") << "parche:General.db:0x0e:ff7f" << "el bloque 32767 no está en el archivo";
        QTest::newRow("bloque que se sigue a sí mismo") << "parche:General.db:0x800:0100" << "vuelve al bloque 1";
        QTest::newRow("sin campos") << "parche:General.db:0x21:0000" << "campos: 0 en lugar de 22";
        QTest::newRow("entero de 3 bytes") << "parche:Domicilio.db:0x8d:03" << "de entero de 3 bytes en lugar de entero de 4";
        QTest::newRow("registro de otro largo") << "parche:Persona.db:0:0001" << "registros de 256 en lugar de";
        QTest::newRow("bloque que dice usar de más") << "parche:Persona.db:0x804:ff7f" << "dice usar";
        QTest::newRow("memo fuera del archivo") << "parche:Beca.db:0x800:0000" << ajena;
        QTest::newRow("carácter de control") << "busca:Persona.db:TORRES:2:1b" << "«U+001B»";
        QTest::newRow("NUL en un memo") << "parche:General.mb:4110:00" << "«U+0000»";
        QTest::newRow("byte sin carácter") << "busca:Persona.db:TORRES:1:81" << "un byte que Windows-1252 no define";
        QTest::newRow("tabla que es un enlace") << "enlace:Persona.db" << "Persona.db del paquete es un enlace simbólico";
        QTest::newRow("recibo que es una FIFO") << "fifo:entrega.sha256" << "entrega.sha256 del paquete es una FIFO";
        QTest::newRow("índice que es una carpeta") << "carpeta:Trabajo.px" << "Trabajo.px del paquete es una carpeta";
        QTest::newRow("recibo enorme") << "relleno:entrega.sha256:1000000" << "más de los 16,384 que puede medir";
        QTest::newRow("tabla de 2 GB") << "enorme:Persona.db" << "más de los 16,777,216";
    }
    void paqueteDanado()
    {
        QFETCH(QString, dano);
        QFETCH(QString, mensaje);
        Entorno e;
        Muestra::llena();
        QTemporaryDir raiz;
        // Un nombre de carpeta con una secuencia de escape sale escrito, no interpretado.
        const QString medio = raiz.filePath(dano == u"byte" ? S("medio\x1b[2J") : S("medio"));
        QDir().mkpath(medio);
        entrega(medio);
        dana(medio, dano);
        Entorno::sql(S("Delete From Trabajo"));
        const QByteArray antes = huellaBase(e.carpeta());
        const SalidaCli v = corre({S("verifica"), medio});
        QCOMPARE(v.codigo, 1);
        QVERIFY2(v.salida.contains(mensaje), qPrintable(v.salida));
        QVERIFY(!v.salida.contains(u'\x1b') && (dano != u"byte" || v.salida.contains(S("medio\\x1b[2J"))));
        Base::cierra();
        const SalidaCli r = corre({S("restaura"), medio, S("--tablas"), e.carpeta(), S("--reemplaza")});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.salida.contains(mensaje), qPrintable(r.salida));
        QCOMPARE(huellaBase(e.carpeta()), antes);
    }

    // Una solicitud ya capturada sólo se reemplaza con --reemplaza, y nunca mientras el
    // programa tiene abierta la carpeta.
    void restauraSobreUnaSolicitud_data()
    {
        QTest::addColumn<QStringList>("cambios");
        QTest::addColumn<bool>("reemplaza");
        QTest::addColumn<bool>("abierta");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensaje");
        const QStringList otra{"Update Persona Set Paterno='OTRO' Where Tipo='SOL'",
                               "Update Cat_Ciudad Set Nombre='OTRA CIUDAD' Where Clave=14039"};
        QTest::newRow("sin --reemplaza") << otra << false << false << 2 << "ya tiene una solicitud";
        QTest::newRow("con --reemplaza") << otra << true << false << 0 << "paquete: 1.";
        QTest::newRow("tras Inicializa Solicitud")
            << QStringList{"Delete From Beca", "Delete From Domicilio", "Delete From Escolar", "Delete From Trabajo",
                           "Delete From General", "Delete From Persona"}
            << false << false << 0 << "Se restauró";
        QTest::newRow("programa abierto") << otra << true << true << 2 << "ya está abierta";
    }
    void restauraSobreUnaSolicitud()
    {
        QFETCH(QStringList, cambios);
        QFETCH(bool, reemplaza);
        QFETCH(bool, abierta);
        QFETCH(int, codigo);
        QFETCH(QString, mensaje);
        Entorno e;
        Muestra::llena();
        QTemporaryDir medio;
        entrega(medio.path());
        for (const QString &c : cambios)
            Entorno::sql(c);
        const QByteArray antes = huellaBase(e.carpeta());
        if (!abierta)
            Base::cierra();
        QStringList args{S("restaura"), medio.path(), S("--tablas"), e.carpeta()};
        if (reemplaza)
            args << S("--reemplaza");
        const SalidaCli r = corre(args);
        QCOMPARE(r.codigo, codigo);
        QVERIFY2((r.salida + r.error).contains(mensaje), qPrintable(r.salida + r.error));
        if (codigo != 0)
            QCOMPARE(huellaBase(e.carpeta()), antes);
        Base::abre(e.carpeta());
        QCOMPARE(Entorno::valor(S("Select Paterno From Persona Where Tipo='SOL'")).toString(),
                 codigo == 0 ? S("TORRES") : S("OTRO"));
        if (codigo == 0)
            QCOMPARE(Entorno::valor(S("Select Nombre From Cat_Ciudad Where Clave=14039")).toString(), S("Guadalajara"));
    }

    // "Recuperar de Disco" en el panel: verifica la memoria, enseña lo que trae y, al
    // confirmar, reemplaza la solicitud y vuelve a abrir "Datos Generales".
    void recuperaDesdeElPanel_data()
    {
        QTest::addColumn<bool>("danado");
        QTest::newRow("disco íntegro") << false;
        QTest::newRow("disco cambiado") << true;
    }
    void recuperaDesdeElPanel()
    {
        QFETCH(bool, danado);
        Entorno e(true);
        Muestra::llena();
        Memoria usb;
        entrega(usb.raiz());
        if (danado)
            dana(usb.raiz(), S("byte"));
        Entorno::sql(S("Delete From Trabajo"));
        auto *panel = qobject_cast<TW_Admon *>(e.inicial()->Abre_Forma(S("W_Admon")));
        QVERIFY(panel);
        QPointer<QWidget> generales = e.inicial()->Forma(S("W_Generales"));
        e.dialogos().siguienteRespuesta(true);
        QString memo;
        bool recuperable = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TW_Recupera *>(QApplication::activeModalWidget());
            QVERIFY(d);
            const auto cierra = qScopeGuard([d] { d->reject(); });   // también si algo falla
            QTest::keyClick(d->DriveComboBox1, Qt::Key_Return);   // sólo con el teclado
            memo = d->Memo1->toPlainText();
            recuperable = d->Btn_Recuperar->isEnabled();
            if (recuperable) {
                QCOMPARE(d->focusWidget(), d->Btn_Recuperar);
                QTest::keyClick(d->Btn_Recuperar, Qt::Key_Space);
            }
        });
        panel->btn_Recuperar->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(recuperable, !danado);
        QCOMPARE(Entorno::cuenta(S("Trabajo")), danado ? 0 : 16);
        if (danado) {
            QVERIFY2(memo.contains(S("Persona.db")), qPrintable(memo));
            QCOMPARE(e.dialogos().pendientes(), size_t(1));
            return;
        }
        for (const QString &s : {S("MARÍA ELENA TORRES VALLE"), S("482"), S("No hay Inconsistencias")})
            QVERIFY2(memo.contains(s), qPrintable(memo));
        QCOMPARE(e.dialogos().pendientes(), size_t(0));
        QVERIFY(!generales);
        QVERIFY(e.inicial()->Forma(S("W_Generales")));
    }
};

REGISTRA_PRUEBA(PruebaPaquete)
#include "PruebaPaquete.moc"
