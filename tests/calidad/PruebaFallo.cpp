// Caída del programa a medio guardar: un proceso hijo (este mismo ejecutable en modo
// "trabajador") arranca el programa sobre una carpeta de tablas y guarda sin parar. La
// prueba lo mata con SIGKILL en momentos escalonados, reabre la base como lo haría el
// programa al volver a arrancar y exige una base sana y cada guardado entero o ausente.
// Dos trabajadores:
//  - "solicitud": llena la solicitud de muestra (una transacción de muchas filas en seis
//    tablas) y la borra con "Inicializa Solicitud" (TW_Admon::Borra_Tablas, la del botón);
//  - "ventanas": guarda con las ventanas, como el usuario, el domicilio actual (domicilio y
//    fecha de correspondencia) y la ventana de experiencia e idiomas (la fila actual de cada
//    lista y el expediente del SNI), cada vuelta con un número n en todos los campos.
#include "admin/U_Admon.h"
#include "platform/Base.h"
#include "shell/Arranque.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "platform/Edits.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QLineEdit>
#include <QPushButton>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sys/types.h>

namespace {

const char *const kVariableTrabajador = "CALIDAD_TRABAJADOR";   // carpeta de tablas del hijo
const char *const kVariableModo = "CALIDAD_MODO";                 // "solicitud" o "ventanas"
const QStringList kTablas{QStringLiteral("Beca"),    QStringLiteral("Domicilio"), QStringLiteral("Escolar"),
                          QStringLiteral("Trabajo"), QStringLiteral("General"),   QStringLiteral("Persona")};

void avisa(const char *texto)
{
    std::fputs(texto, stdout);
    std::fflush(stdout);
}

// El hijo "solicitud": no vuelve nunca; lo termina el SIGKILL de la prueba.
[[noreturn]] void trabajadorSolicitud(const QString &carpeta)
{
    DialogosPrueba::instala();   // ningún diálogo modal debe detenerlo
    try {
        Arranque arranque(carpeta);
        auto *admon = qobject_cast<TW_Admon *>(W_Inicial()->Abre_Forma(QStringLiteral("W_Admon")));
        if (!admon) {
            avisa("sin W_Admon\n");
            std::_Exit(3);
        }
        avisa("listo\n");
        for (;;) {
            if (Entorno::cuenta(QStringLiteral("Persona")) == 0) {
                Muestra::llena();
                avisa("L\n");
            }
            if (!admon->Borra_Tablas()) {
                avisa("fallo el borrado\n");
                std::_Exit(4);
            }
            avisa("B\n");
        }
    } catch (...) {
        avisa("error\n");
        std::_Exit(5);
    }
}

// Valores de la vuelta n en las ventanas y en la base.
constexpr int kBase = 1000;   // la vuelta 0 es el estado que prepara la prueba
QString fechaDe(int n) { return QStringLiteral("%1/%2/2004").arg(1 + n % 28, 2, 10, QChar(u'0')).arg(1 + n / 28 % 12, 2, 10, QChar(u'0')); }
QString calleDe(int n) { return QStringLiteral("CALLE %1").arg(n); }

void procesa()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename T = QLineEdit>
T *campo(QWidget *w, const char *nombre)
{
    T *c = w ? w->findChild<T *>(QLatin1String(nombre)) : nullptr;
    if (!c) {
        std::fprintf(stdout, "fallo: no hay %s\n", nombre);
        std::fflush(stdout);
        std::_Exit(6);
    }
    return c;
}

// El hijo "ventanas": guarda con los botones de las ventanas, una y otra vez.
[[noreturn]] void trabajadorVentanas(const QString &carpeta)
{
    DialogosPrueba *dialogos = DialogosPrueba::instala();
    try {
        Arranque arranque(carpeta);
        arranque.inicial()->show();
        procesa();
        // Sigue la cuenta donde la dejó el hijo anterior.
        const int primera = Entorno::valor(QStringLiteral("Select Calle From Domicilio Where Tipo='ACT'")).toString().section(u' ', -1).toInt() + 1;
        avisa("listo\n");
        for (int n = primera;; ++n) {
            W_Inicial()->Cierra_Ventanas();
            procesa();
            Tipo_Actual = QStringLiteral("ACT");
            QWidget *d = W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
            campo(d, "Calle")->setText(calleDe(n));
            campo<EditMascara>(d, "Fec_Corresp")->ponTexto(fechaDe(n));
            campo<QPushButton>(d, "Btn_Sig")->click();
            procesa();
            avisa("D\n");
            W_Inicial()->Cierra_Ventanas();
            procesa();
            QWidget *v = W_Inicial()->Abre_Forma(QStringLiteral("W_Vitae3"));
            const QString sufijo = QStringLiteral(" %1").arg(n);
            for (const char *nombre : {"Instlaboral", "NomAsociasion", "NomIdioma", "Institucion"}) {
                QLineEdit *c = campo(v, nombre);
                c->setText(c->text().section(u' ', 0, 0) + sufijo);
            }
            campo<EditMascara>(v, "ExpSni")->ponTexto(QString::number(kBase + n));
            campo<QPushButton>(v, "Btn_Guardar")->click();
            procesa();
            avisa("V\n");
            if (!dialogos->textos().isEmpty()) {
                avisa(qPrintable(QStringLiteral("fallo: ") + dialogos->textos().join(u" | ") + u'\n'));
                std::_Exit(4);
            }
        }
    } catch (...) {
        avisa("error\n");
        std::_Exit(5);
    }
}

std::map<QString, int> cuentas()
{
    std::map<QString, int> r;
    for (const QString &t : kTablas)
        r[t] = Entorno::cuenta(t);
    return r;
}

// Una muerte: arranca el trabajador `modo` sobre la carpeta, espera a que esté listo, lo
// deja guardar unos milisegundos (escalonados con la iteración, para caer en distintos
// puntos de varios ciclos) y lo mata con SIGKILL. Deja en `salida` lo que el hijo dijo y en
// `aMedias` si la base quedó con una transacción sin terminar.
void mata(const QString &carpeta, const char *modo, int iteracion, QByteArray &salida, bool &aMedias,
          unsigned long esperaExtra = 0)
{
    QProcess hijo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QString::fromLatin1(kVariableTrabajador), carpeta);
    ambiente.insert(QString::fromLatin1(kVariableModo), QString::fromLatin1(modo));
    ambiente.insert(QStringLiteral("PRUEBA"), QStringLiteral("PruebaFallo"));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    hijo.setProcessEnvironment(ambiente);
    hijo.setProcessChannelMode(QProcess::SeparateChannels);
    hijo.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(hijo.waitForStarted(5000));
    while (!salida.contains("listo\n")) {
        QVERIFY2(hijo.waitForReadyRead(10000), salida.constData());
        salida += hijo.readAllStandardOutput();
    }
    QThread::usleep(static_cast<unsigned long>((iteracion * 9700) % 61000) + esperaExtra);
    QCOMPARE(::kill(static_cast<pid_t>(hijo.processId()), SIGKILL), 0);
    QVERIFY(hijo.waitForFinished(5000));
    salida += hijo.readAllStandardOutput();
    QCOMPARE(hijo.exitStatus(), QProcess::CrashExit);
    QVERIFY2(!salida.contains("error") && !salida.contains("fallo"), salida.constData());
    const QFileInfo diario(Base::archivoEn(carpeta) + QStringLiteral("-journal"));
    aMedias = diario.exists() && diario.size() > 0;
}

// Número de vuelta que guardó el trabajador "ventanas" en cada lugar (el sufijo " n" de los
// textos, la fecha y el expediente); -1 donde no se reconoce.
std::map<QString, int> vueltas()
{
    const auto sufijo = [](const QString &consulta) {
        bool ok = false;
        const int n = Entorno::valor(consulta).toString().section(u' ', -1).toInt(&ok);
        return ok ? n : -1;
    };
    std::map<QString, int> r;
    r[QStringLiteral("calle")] = sufijo(QStringLiteral("Select Calle From Domicilio Where Tipo='ACT'"));
    const QString fecha = Entorno::valor(QStringLiteral("Select Fec_Correspondencia From General")).toString();
    r[QStringLiteral("fecha")] = fecha == fechaDe(r[QStringLiteral("calle")]) ? r[QStringLiteral("calle")] : -1;
    r[QStringLiteral("laboral")] = sufijo(QStringLiteral("Select Lugar From Trabajo Where Tipo='TRA' Order by Clave Limit 1"));
    r[QStringLiteral("asociación")] = sufijo(QStringLiteral("Select Lugar From Trabajo Where Tipo='ASO' Order by Clave Limit 1"));
    r[QStringLiteral("idioma")] = sufijo(QStringLiteral("Select Titulo From Trabajo Where Tipo='IDI' Order by Clave Limit 1"));
    r[QStringLiteral("otros estudios")] = sufijo(QStringLiteral("Select Nombre From Escolar Where Nivel='OTR' Order by Clave Limit 1"));
    r[QStringLiteral("sni")] = Entorno::valor(QStringLiteral("Select Expediente_Sni From General")).toInt() - kBase;
    return r;
}

QString describe(const std::map<QString, int> &m)
{
    QString r;
    for (const auto &[nombre, n] : m)
        r += QStringLiteral("%1=%2 ").arg(nombre).arg(n);
    return r;
}

} // namespace

class PruebaFallo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QByteArray carpeta = qgetenv(kVariableTrabajador);
        if (carpeta.isEmpty())
            return;
        if (qgetenv(kVariableModo) == "ventanas")
            trabajadorVentanas(QString::fromLocal8Bit(carpeta));
        trabajadorSolicitud(QString::fromLocal8Bit(carpeta));
    }

    // Llenar y borrar la solicitud: tras cada muerte, integridad y todo-o-nada.
    void muerteAMedioGuardar()
    {
        Entorno e;
        Muestra::llena();
        const std::map<QString, int> completa = cuentas();
        for (const auto &[tabla, n] : completa)
            QVERIFY2(n > 0, qPrintable(tabla));   // la muestra debe tocar las seis tablas
        const QString carpeta = e.carpeta();
        Base::cierra();

        int aMedias = 0;        // muertes que dejaron una transacción sin terminar
        int guardados = 0;      // guardados completos que anunció el hijo, en total
        int llenas = 0, vacias = 0;
        int iteracion = 0;
        QElapsedTimer reloj;
        reloj.start();
        // Al menos 6 muertes, 3 de ellas a medio escribir y en los dos guardados; sin pasar
        // de 40 ni de ~20 s.
        while (iteracion < 40 && (iteracion < 6 || aMedias < 3 || llenas == 0 || vacias == 0) && reloj.elapsed() < 20000) {
            QByteArray salida;
            bool medias = false;
            mata(carpeta, "solicitud", iteracion, salida, medias);
            if (QTest::currentTestFailed())
                return;
            aMedias += medias;
            guardados += int(salida.count("L\n") + salida.count("B\n"));

            // Vuelta a arrancar: abrir la base recupera (o descarta) lo que quedó a medias.
            Base::abre(carpeta);
            QCOMPARE(Entorno::valor(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            const std::map<QString, int> ahora = cuentas();
            bool todoLleno = true, todoVacio = true;
            for (const auto &[tabla, n] : ahora) {
                todoLleno = todoLleno && n == completa.at(tabla);
                todoVacio = todoVacio && n == 0;
            }
            QVERIFY2(todoLleno || todoVacio, qPrintable(QStringLiteral("iteración %1: %2").arg(iteracion).arg(describe(ahora))));
            if (todoLleno) {
                ++llenas;
                // La muestra entera, no sólo el número de filas.
                QCOMPARE(Entorno::valor(QStringLiteral("Select Nombre_1 From Persona Where Clave=1")).toString(),
                         QStringLiteral("MARÍA"));
                QCOMPARE(Entorno::valor(QStringLiteral("Select Convocatoria From General")).toInt(), Muestra::kConvocatoria);
            } else {
                ++vacias;
            }
            Base::cierra();
            ++iteracion;
        }
        qInfo("%d muertes: %d a medio escribir, %d con la solicitud, %d vacías; %d guardados completos", iteracion,
              aMedias, llenas, vacias, guardados);
        // Sin muertes a medio escribir la prueba no habría probado nada.
        QVERIFY2(aMedias > 0, "ninguna muerte cayó dentro de una transacción");
        QVERIFY2(llenas > 0 && vacias > 0, "las muertes no cayeron en los dos guardados");
        Base::abre(carpeta);   // el Entorno la cierra al terminar
    }

    // Guardados de las ventanas: cada uno escribe la vuelta n en varias filas y tablas; tras
    // cada muerte todas dicen la misma vuelta y ninguna fila se perdió ni se duplicó.
    void muerteAMedioGuardarVentana()
    {
        Entorno e;
        Muestra::llena();
        // La vuelta 0: el mismo patrón en los lugares que guarda el trabajador.
        Entorno::sql(QStringLiteral("Update Domicilio Set Calle=:c Where Tipo='ACT'"), {{QStringLiteral("c"), calleDe(0)}});
        Entorno::sql(QStringLiteral("Update General Set Fec_Correspondencia=:f, Expediente_Sni=:s"),
                     {{QStringLiteral("f"), fechaDe(0)}, {QStringLiteral("s"), kBase}});
        for (const char *tipo : {"TRA", "ASO"})
            Entorno::sql(QStringLiteral("Update Trabajo Set Lugar=:l Where Clave=(Select Min(Clave) From Trabajo Where Tipo=:t)"),
                         {{QStringLiteral("l"), QStringLiteral("%1 0").arg(QLatin1String(tipo))}, {QStringLiteral("t"), QString::fromLatin1(tipo)}});
        Entorno::sql(QStringLiteral("Update Trabajo Set Titulo='IDIOMA 0' Where Clave=(Select Min(Clave) From Trabajo Where Tipo='IDI')"));
        Entorno::sql(QStringLiteral("Update Escolar Set Nombre='OTRO 0' Where Clave=(Select Min(Clave) From Escolar Where Nivel='OTR')"));
        const std::map<QString, int> filas = cuentas();
        for (const auto &[lugar, n] : vueltas())
            QVERIFY2(n == 0, qPrintable(describe(vueltas())));
        const QString carpeta = e.carpeta();
        Base::cierra();

        int aMedias = 0, guardados = 0, ultima = 0, distintas = 0;
        QElapsedTimer reloj;
        reloj.start();
        for (int iteracion = 0; iteracion < 40 && (iteracion < 8 || aMedias < 2 || guardados == 0) && reloj.elapsed() < 30000;
             ++iteracion) {
            QByteArray salida;
            bool medias = false;
            // Con la máquina cargada un guardado tarda más que las esperas cortas: si ninguno
            // terminó todavía, se deja correr al trabajador un poco más.
            const unsigned long extra = iteracion >= 8 && guardados == 0 ? 50'000UL * (iteracion - 7) : 0;
            mata(carpeta, "ventanas", iteracion + 3, salida, medias, extra);
            if (QTest::currentTestFailed())
                return;
            aMedias += medias;
            const int completos = int(salida.count("D\n") + salida.count("V\n"));
            guardados += completos;

            Base::abre(carpeta);
            QCOMPARE(Entorno::valor(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            QCOMPARE(cuentas(), filas);
            const std::map<QString, int> v = vueltas();
            const int calle = v.at(QStringLiteral("calle")), vitae = v.at(QStringLiteral("sni"));
            // El domicilio con su fecha; la ventana curricular con sus cinco lugares.
            QVERIFY2(v.at(QStringLiteral("fecha")) == calle, qPrintable(describe(v)));
            for (const char *lugar : {"laboral", "asociación", "idioma", "otros estudios"})
                QVERIFY2(v.at(QString::fromUtf8(lugar)) == vitae, qPrintable(describe(v)));
            // Cada vuelta guarda el domicilio antes que la ventana curricular.
            QVERIFY2(vitae >= 0 && vitae <= calle, qPrintable(describe(v)));
            if (calle != ultima)
                ++distintas;
            ultima = calle;
            Base::cierra();
        }
        qInfo("%d muertes a medio escribir; %d guardados completos; %d estados distintos", aMedias, guardados, distintas);
        QVERIFY2(guardados > 0, "el trabajador no llegó a guardar");
        QVERIFY2(aMedias > 0, "ninguna muerte cayó dentro de una transacción");
        Base::abre(carpeta);
    }
};

REGISTRA_PRUEBA(PruebaFallo)
#include "PruebaFallo.moc"
