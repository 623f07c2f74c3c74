// Caída del programa a medio guardar: un proceso hijo (este mismo ejecutable en modo
// "trabajador") arranca el programa sobre una carpeta de tablas y, sin parar, llena la
// solicitud de muestra (una transacción de muchas filas en seis tablas) y la borra con
// "Inicializa Solicitud" (TW_Admon::Borra_Tablas, la del botón). La prueba lo mata con
// SIGKILL en momentos escalonados, reabre la base como lo haría el programa al volver a
// arrancar y exige una base sana y cada guardado entero o ausente.
#include "admin/U_Admon.h"
#include "platform/Base.h"
#include "shell/Arranque.h"
#include "shell/U_inicial.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sys/types.h>

namespace {

const char *const kVariableTrabajador = "CALIDAD_TRABAJADOR";
const QStringList kTablas{QStringLiteral("Beca"),    QStringLiteral("Domicilio"), QStringLiteral("Escolar"),
                          QStringLiteral("Trabajo"), QStringLiteral("General"),   QStringLiteral("Persona")};

void avisa(const char *texto)
{
    std::fputs(texto, stdout);
    std::fflush(stdout);
}

// El hijo: no vuelve nunca; lo termina el SIGKILL de la prueba.
[[noreturn]] void trabajador(const QString &carpeta)
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

std::map<QString, int> cuentas()
{
    std::map<QString, int> r;
    for (const QString &t : kTablas)
        r[t] = Entorno::cuenta(t);
    return r;
}

} // namespace

class PruebaFallo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QByteArray carpeta = qgetenv(kVariableTrabajador);
        if (!carpeta.isEmpty())
            trabajador(QString::fromLocal8Bit(carpeta));
    }

    // Varias muertes a destiempo: tras cada una, integridad y todo-o-nada.
    void muerteAMedioGuardar()
    {
        Entorno e;
        Muestra::llena();
        const std::map<QString, int> completa = cuentas();
        for (const auto &[tabla, n] : completa)
            QVERIFY2(n > 0, qPrintable(tabla));   // la muestra debe tocar las seis tablas
        const QString carpeta = e.carpeta();
        const QString diario = Base::archivoEn(carpeta) + QStringLiteral("-journal");
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
            QProcess hijo;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QString::fromLatin1(kVariableTrabajador), carpeta);
            ambiente.insert(QStringLiteral("PRUEBA"), QStringLiteral("PruebaFallo"));
            ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            hijo.setProcessEnvironment(ambiente);
            hijo.setProcessChannelMode(QProcess::SeparateChannels);
            hijo.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(hijo.waitForStarted(5000));

            QByteArray salida;
            while (!salida.contains("listo\n")) {
                QVERIFY2(hijo.waitForReadyRead(10000), salida.constData());
                salida += hijo.readAllStandardOutput();
            }
            // Retardos escalonados de 0 a 60 ms: caen en distintos puntos de varios ciclos.
            QThread::usleep(static_cast<unsigned long>((iteracion * 9700) % 61000));
            QCOMPARE(::kill(static_cast<pid_t>(hijo.processId()), SIGKILL), 0);
            QVERIFY(hijo.waitForFinished(5000));
            salida += hijo.readAllStandardOutput();
            QCOMPARE(hijo.exitStatus(), QProcess::CrashExit);
            QVERIFY2(!salida.contains("error") && !salida.contains("fallo"), salida.constData());
            guardados += int(salida.count("L\n") + salida.count("B\n"));

            const QFileInfo d(diario);
            if (d.exists() && d.size() > 0)
                ++aMedias;

            // Vuelta a arrancar: abrir la base recupera (o descarta) lo que quedó a medias.
            Base::abre(carpeta);
            QCOMPARE(Entorno::valor(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            const std::map<QString, int> ahora = cuentas();
            bool todoLleno = true, todoVacio = true;
            for (const auto &[tabla, n] : ahora) {
                todoLleno = todoLleno && n == completa.at(tabla);
                todoVacio = todoVacio && n == 0;
            }
            QString detalle;
            for (const auto &[tabla, n] : ahora)
                detalle += QStringLiteral("%1=%2 ").arg(tabla).arg(n);
            QVERIFY2(todoLleno || todoVacio, qPrintable(QStringLiteral("iteración %1: %2").arg(iteracion).arg(detalle)));
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
};

REGISTRA_PRUEBA(PruebaFallo)
#include "PruebaFallo.moc"
