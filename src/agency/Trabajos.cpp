#include "agency/Trabajos.h"
#include "platform/Comandos.h"
#include "platform/ErrorBase.h"

#include <QEventLoop>
#include <QProcess>

#include <cstdio>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace Trabajos {
namespace {

// Cuenta lo hecho y, en una terminal, lleva una línea de avance en la salida de error que se
// borra antes de cada renglón de resultado.
class Avance {
public:
    explicit Avance(qsizetype total) : m_total(total), m_terminal(::isatty(STDERR_FILENO) == 1) { muestra(); }
    ~Avance() { borra(); }

    void informa(const Respuesta &r)
    {
        borra();
        if (r.clase == Clase::Fatal) {
            m_detenido = true;
            Comandos::error(r.linea);
        } else {
            ++m_hechos;
            m_rechazados += r.clase == Clase::Rechazado;
            m_errores += r.clase == Clase::Error;
            Comandos::imprime(r.linea);
        }
        muestra();
    }
    bool detenido() const { return m_detenido; }

    int codigo()
    {
        borra();
        if (m_hechos < m_total)
            Comandos::error(QStringLiteral("La recepción se detuvo: quedaron %1 de %2 paquetes sin recibir.").arg(m_total - m_hechos).arg(m_total));
        if (m_detenido || m_errores > 0)
            return 2;
        return m_rechazados > 0 ? 1 : 0;
    }

private:
    void borra() const
    {
        if (m_terminal)
            std::fputs("\r\033[K", stderr);
    }
    void muestra() const
    {
        if (!m_terminal)
            return;
        const QByteArray t = QStringLiteral("Recibiendo paquetes: %1 de %2, %3 rechazados")
                                 .arg(m_hechos).arg(m_total).arg(m_rechazados).toUtf8();
        std::fputs(t.constData(), stderr);
        std::fflush(stderr);
    }

    qsizetype m_total = 0, m_hechos = 0;
    int m_rechazados = 0, m_errores = 0;
    bool m_terminal = false, m_detenido = false;
};

struct Trabajador {
    std::unique_ptr<QProcess> proceso;
    QByteArray pendiente;   // salida aún sin renglón completo
    QString actual;         // carpeta que está recibiendo
};

} // namespace

int reparte(const QStringList &carpetas, int trabajadores, const Receptor &receptor, const QString &programa,
            const QStringList &argumentos, const QString &primerRenglon)
{
    Avance avance(carpetas.size());
    if (trabajadores <= 1 || carpetas.size() <= 1) {
        for (const QString &c : carpetas) {
            avance.informa(receptor(c));
            if (avance.detenido())
                break;
        }
        return avance.codigo();
    }

    QEventLoop bucle;
    qsizetype siguiente = 0;
    int vivos = 0;
    std::vector<Trabajador> ts(size_t(qMin<qsizetype>(trabajadores, carpetas.size())));
    auto asigna = [&](Trabajador &t) {
        if (avance.detenido() || siguiente >= carpetas.size()) {
            t.actual.clear();
            t.proceso->closeWriteChannel();
            return;
        }
        t.actual = carpetas.at(siguiente++);
        t.proceso->write(t.actual.toUtf8() + '\n');
    };
    for (Trabajador &trabajador : ts) {
        Trabajador *t = &trabajador;
        t->proceso = std::make_unique<QProcess>();
        QProcess *p = t->proceso.get();
        // La salida de error del trabajador va directo a la nuestra.
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(p, &QProcess::readyReadStandardOutput, &bucle, [&, t, p] {
            t->pendiente += p->readAllStandardOutput();
            for (qsizetype fin; (fin = t->pendiente.indexOf('\n')) >= 0;) {
                const QString renglon = QString::fromUtf8(t->pendiente.left(fin));
                t->pendiente.remove(0, fin + 1);
                Respuesta r{Clase(renglon.isEmpty() ? 'E' : renglon.at(0).toLatin1()), renglon.mid(2)};
                t->actual.clear();
                avance.informa(r);
                asigna(*t);
            }
        });
        QObject::connect(p, &QProcess::finished, &bucle, [&, t] {
            if (!t->actual.isEmpty())
                avance.informa({Clase::Error, QStringLiteral("ERROR %1: el trabajador terminó sin responder.").arg(t->actual)});
            t->actual.clear();
            if (--vivos == 0)
                bucle.quit();
        });
        QObject::connect(p, &QProcess::errorOccurred, &bucle, [&, t](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart)
                return;
            avance.informa({Clase::Fatal, QStringLiteral("No se pudo iniciar un trabajador (%1).").arg(programa)});
            t->actual.clear();
            if (--vivos == 0)
                bucle.quit();
        });
        ++vivos;
        p->start(programa, argumentos);
        p->write(primerRenglon.toUtf8() + '\n');
        asigna(*t);
    }
    if (vivos > 0)
        bucle.exec();
    return avance.codigo();
}

int atiende(const std::function<Receptor(const QString &primerRenglon)> &conecta)
{
    auto responde = [](const Respuesta &r) {
        QString linea = r.linea;
        linea.replace(u'\n', u' ');
        const QByteArray b = QByteArray(1, char(r.clase)) + '\t' + linea.toUtf8() + '\n';
        std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
        std::fflush(stdout);
    };
    std::string renglon;
    if (!std::getline(std::cin, renglon))
        return 2;
    Receptor receptor;
    try {
        receptor = conecta(QString::fromStdString(renglon));
    } catch (const ErrorBase &e) {
        responde({Clase::Fatal, e.mensaje()});
        return 2;
    }
    while (std::getline(std::cin, renglon)) {
        const Respuesta r = receptor(QString::fromUtf8(renglon.data(), qsizetype(renglon.size())));
        responde(r);
        if (r.clase == Clase::Fatal)
            return 2;
    }
    return 0;
}

} // namespace Trabajos
