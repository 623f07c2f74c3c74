#include "agency/Trabajos.h"
#include "platform/Comandos.h"
#include "platform/ErrorBase.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace Trabajos {
namespace {

// Ningún mensaje legítimo se acerca a esto; un largo mayor es basura y no se espera a leerlo.
constexpr quint32 kMaxMarco = 1 << 20;

QByteArray marco(const QByteArray &datos)
{
    QByteArray r(4, Qt::Uninitialized);
    qToBigEndian(quint32(datos.size()), r.data());
    return r + datos;
}

// Saca del búfer el primer marco completo. nullopt si falta algo; `malo` si el largo no puede
// ser de un mensaje.
std::optional<QByteArray> extraeMarco(QByteArray &bufer, bool &malo)
{
    if (bufer.size() < 4)
        return std::nullopt;
    const quint32 largo = qFromBigEndian<quint32>(bufer.constData());
    if (largo > kMaxMarco) {
        malo = true;
        return std::nullopt;
    }
    if (bufer.size() < 4 + qsizetype(largo))
        return std::nullopt;
    QByteArray r = bufer.mid(4, largo);
    bufer.remove(0, 4 + largo);
    return r;
}

bool leeTodo(int fd, char *destino, size_t n)
{
    while (n > 0) {
        const ssize_t k = ::read(fd, destino, n);
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            return false;
        destino += k;
        n -= size_t(k);
    }
    return true;
}

bool escribeTodo(int fd, const QByteArray &datos)
{
    const char *p = datos.constData();
    size_t n = size_t(datos.size());
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            return false;
        p += k;
        n -= size_t(k);
    }
    return true;
}

std::optional<QByteArray> leeMarco(int fd)
{
    char cabeza[4];
    if (!leeTodo(fd, cabeza, 4))
        return std::nullopt;
    const quint32 largo = qFromBigEndian<quint32>(cabeza);
    if (largo > kMaxMarco)
        return std::nullopt;
    QByteArray r(qsizetype(largo), Qt::Uninitialized);
    if (!leeTodo(fd, r.data(), largo))
        return std::nullopt;
    return r;
}

bool escondido(char32_t c)
{
    const QChar::Category k = QChar::category(c);
    return k == QChar::Other_Control || k == QChar::Other_Format || k == QChar::Separator_Line ||
           k == QChar::Separator_Paragraph;
}

QString escapa(const QString &texto, bool comillas)
{
    QString r;
    r.reserve(texto.size() + 2);
    for (const char32_t c : texto.toUcs4()) {
        if (comillas && (c == U'\\' || c == U'"')) {
            r += u'\\';
            r += QChar(c);
        } else if (!escondido(c)) {
            r += QString::fromUcs4(&c, 1);
        } else if (c == U'\n') {
            r += QStringLiteral("\\n");
        } else if (c == U'\t') {
            r += QStringLiteral("\\t");
        } else if (c == U'\r') {
            r += QStringLiteral("\\r");
        } else if (c < 0x100) {
            r += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        } else {
            r += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        }
    }
    return r;
}

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
            Comandos::error(sinControles(r.linea));
        } else {
            ++m_hechos;
            m_rechazados += r.clase == Clase::Rechazado;
            m_errores += r.clase == Clase::Error;
            Comandos::imprime(sinControles(r.linea));
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
    QByteArray pendiente;   // salida aún sin marco completo
    QString actual;         // carpeta que está recibiendo
    bool listo = false;     // ya se conectó: si muere ahora, la culpa es de su carpeta
};

// Por qué murió un trabajador que tenía una carpeta.
QString causa(const QProcess &p, bool ilegible)
{
    if (ilegible)
        return QStringLiteral("el lector del paquete respondió algo que no es un mensaje y se detuvo");
    if (p.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("el lector del paquete terminó de forma anormal (señal %1); no se cargó nada de él").arg(p.exitCode());
    return QStringLiteral("el lector del paquete terminó sin responder (código %1); no se cargó nada de él").arg(p.exitCode());
}

} // namespace

QString visible(const QString &nombre)
{
    for (const char32_t c : nombre.toUcs4())
        if (escondido(c))
            return u'"' + escapa(nombre, true) + u'"';
    return nombre;
}

QString sinControles(const QString &linea) { return escapa(linea, false); }

int reparte(const QStringList &carpetas, int trabajadores, const QString &programa, const QStringList &argumentos,
            const QString &primerMensaje)
{
    Avance avance(carpetas.size());
    if (carpetas.isEmpty())
        return avance.codigo();
    QEventLoop bucle;
    qsizetype siguiente = 0;
    int vivos = 0;
    std::vector<Trabajador> ts(size_t(qMin<qsizetype>(qMax(trabajadores, 1), carpetas.size())));
    auto asigna = [&](Trabajador &t) {
        if (avance.detenido() || siguiente >= carpetas.size()) {
            t.actual.clear();
            t.proceso->closeWriteChannel();
            return;
        }
        t.actual = carpetas.at(siguiente++);
        t.proceso->write(marco(QFile::encodeName(t.actual)));
    };
    std::function<void(Trabajador &)> arranca = [&](Trabajador &trabajador) {
        Trabajador *t = &trabajador;
        t->proceso = std::make_unique<QProcess>();
        t->pendiente.clear();
        t->listo = false;
        QProcess *p = t->proceso.get();
        auto ilegible = std::make_shared<bool>(false);
        // La salida de error del trabajador va directo a la nuestra.
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(p, &QProcess::readyReadStandardOutput, &bucle, [&, t, p, ilegible] {
            t->pendiente += p->readAllStandardOutput();
            while (const auto m = extraeMarco(t->pendiente, *ilegible)) {
                const Clase clase = m->isEmpty() ? Clase::Error : Clase(m->at(0));
                if (clase == Clase::Listo && !t->listo) {
                    t->listo = true;
                    continue;
                }
                if (t->actual.isEmpty() ||
                    (clase != Clase::Recibido && clase != Clase::Rechazado && clase != Clase::Error && clase != Clase::Fatal)) {
                    *ilegible = true;
                    break;
                }
                t->actual.clear();
                avance.informa({clase, QString::fromUtf8(m->mid(1))});
                asigna(*t);
            }
            // Un trabajador que no sigue el protocolo no es de fiar: se detiene y su carpeta
            // se da por rechazada como si hubiera caído.
            if (*ilegible)
                p->kill();
        });
        QObject::connect(p, &QProcess::finished, &bucle, [&, t, p, ilegible] {
            const QString carpeta = t->actual;
            t->actual.clear();
            // Se libera cuando vuelva al bucle: todavía se está dentro de su señal.
            t->proceso.release()->deleteLater();
            if (!carpeta.isEmpty() && !avance.detenido()) {
                if (!t->listo) {
                    // Murió antes de conectarse: no es culpa de la carpeta y los que vengan
                    // morirían igual.
                    avance.informa({Clase::Fatal, QStringLiteral("Un trabajador terminó antes de conectarse con la base de la agencia "
                                                                 "(código %1); %2 no se recibió.")
                                                      .arg(p->exitCode())
                                                      .arg(visible(carpeta))});
                } else {
                    avance.informa({Clase::Rechazado, QStringLiteral("RECHAZADO %1: %2").arg(visible(carpeta), causa(*p, *ilegible))});
                    if (!avance.detenido() && siguiente < carpetas.size()) {
                        --vivos;   // arranca() lo vuelve a contar
                        arranca(*t);
                        return;
                    }
                }
            }
            if (--vivos == 0)
                bucle.quit();
        });
        QObject::connect(p, &QProcess::errorOccurred, &bucle, [&, t](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart)
                return;
            avance.informa({Clase::Fatal, QStringLiteral("No se pudo iniciar un trabajador (%1).").arg(programa)});
            t->actual.clear();
            t->proceso.release()->deleteLater();
            if (--vivos == 0)
                bucle.quit();
        });
        ++vivos;
        p->start(programa, argumentos);
        p->write(marco(primerMensaje.toUtf8()));
        asigna(*t);
    };
    for (Trabajador &t : ts)
        arranca(t);
    if (vivos > 0)
        bucle.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return avance.codigo();
}

int atiende(const std::function<Receptor(const QString &primerMensaje)> &conecta)
{
    // Las respuestas van por una copia privada de la salida estándar; la salida estándar
    // queda apuntando a la de error, así que lo que imprima una biblioteca no se mezcla con
    // los mensajes.
    const int canal = ::dup(STDOUT_FILENO);
    if (canal < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 2;
    auto responde = [canal](Clase clase, const QString &linea) {
        return escribeTodo(canal, marco(QByteArray(1, char(clase)) + linea.toUtf8()));
    };
    const auto primero = leeMarco(STDIN_FILENO);
    if (!primero)
        return 2;
    Receptor receptor;
    try {
        receptor = conecta(QString::fromUtf8(*primero));
    } catch (const ErrorBase &e) {
        responde(Clase::Fatal, e.mensaje());
        return 2;
    }
    if (!responde(Clase::Listo, {}))
        return 2;
    while (const auto carpeta = leeMarco(STDIN_FILENO)) {
        const Respuesta r = receptor(QFile::decodeName(*carpeta));
        if (!responde(r.clase, r.linea))
            return 2;
        if (r.clase == Clase::Fatal)
            return 2;
    }
    return 0;
}

} // namespace Trabajos
