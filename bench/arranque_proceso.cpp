// Arranque del programa como proceso entero, como lo vive el usuario: del exec al primer dibujo
// de W_Generales bajo Xvfb, contra el piso de cualquier programa de Qt Widgets que muestra
// texto: una QMainWindow del tamaño de la pantalla con una etiqueta, hasta el primer dibujo de
// la etiqueta. Las corridas alternan programa y piso (un cambio de velocidad de la máquina pega
// a los dos); se informan medianas y razones. El tiempo de CPU y el pico residente salen de la
// contabilidad del núcleo para cada proceso (wait4).
// Presupuesto: pared y pico residente 1.3 veces los del piso con texto.
//
//     build/bench_arranque_proceso                  (/0: el piso con texto)
//     build/bench_arranque_proceso --benchmark_filter=/1   (/1: sin texto, del tamaño de la pantalla)
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Reloj = std::chrono::steady_clock;

struct Corrida {
    double paredMs = 0, cpuMs = 0, picoMiB = 0;
};

// Lanza un proceso (buscado en PATH) con el entorno dado, o con el de la medición si está
// vacío; -1 si no se pudo.
pid_t lanza(const QByteArrayList &orden, const QByteArrayList &entorno, posix_spawn_file_actions_t *acciones = nullptr)
{
    std::vector<char *> args, env;
    for (const QByteArray &a : orden)
        args.push_back(const_cast<char *>(a.constData()));
    for (const QByteArray &e : entorno)
        env.push_back(const_cast<char *>(e.constData()));
    args.push_back(nullptr);
    env.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawnp(&pid, args[0], acciones, nullptr, args.data(), entorno.isEmpty() ? environ : env.data()) == 0 ? pid : -1;
}

// Xvfb en un número de pantalla libre, lejos de los que usan las sesiones y xvfb-run: se
// prueban números desde uno que depende del proceso y Xvfb avisa por -displayfd cuando ya
// escucha (si el número está ocupado termina y se prueba el siguiente). -noreset: sin él Xvfb
// se reinicia cuando sale su último cliente y rechaza al siguiente mientras tanto.
class Pantalla {
public:
    Pantalla()
    {
        for (int n = 200 + getpid() % 500, fin = n + 40; n < fin && m_nombre.isEmpty(); ++n)
            intenta(n);
    }
    ~Pantalla()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    const QByteArray &nombre() const { return m_nombre; }   // vacío si Xvfb no arrancó

private:
    void intenta(int numero)
    {
        int tubo[2];
        if (pipe2(tubo, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t acciones;
        posix_spawn_file_actions_init(&acciones);
        posix_spawn_file_actions_adddup2(&acciones, tubo[1], 3);
        const QByteArray pantalla = ':' + QByteArray::number(numero);
        m_pid = lanza({"Xvfb", pantalla, "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"}, {},
                      &acciones);
        posix_spawn_file_actions_destroy(&acciones);
        close(tubo[1]);
        QByteArray leido;
        char c;
        while (m_pid > 0 && read(tubo[0], &c, 1) == 1 && c != '\n')
            leido += c;
        close(tubo[0]);
        if (leido.toInt() == numero && !leido.isEmpty()) {
            m_nombre = pantalla;
        } else if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

    pid_t m_pid = -1;
    QByteArray m_nombre;
};

// Corre el proceso hasta que termina (el módulo precargado lo termina al primer dibujo).
std::optional<Corrida> corre(const QByteArrayList &orden, const QByteArrayList &entorno)
{
    const auto inicio = Reloj::now();
    const pid_t pid = lanza(orden, entorno);
    if (pid < 0)
        return std::nullopt;
    int estado = 0;
    rusage uso{};
    while (wait4(pid, &estado, WNOHANG, &uso) == 0) {
        if (Reloj::now() - inicio > std::chrono::seconds(30)) {
            kill(pid, SIGKILL);
            wait4(pid, &estado, 0, &uso);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return std::nullopt;
    Corrida r;
    r.paredMs = std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
    r.cpuMs = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
    r.picoMiB = uso.ru_maxrss / 1024.0;
    return r;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

void Arranque_ProcesoContraVentanaVacia(benchmark::State &estado)
{
    Pantalla pantalla;
    QTemporaryDir dir;
    if (pantalla.nombre().isEmpty() || !dir.isValid() || !QDir(dir.path()).mkdir(QStringLiteral("rt"))) {
        estado.SkipWithError("no arrancó Xvfb");
        return;
    }
    const QByteArray carpeta = QFile::encodeName(dir.path());
    QFile::setPermissions(dir.path() + QStringLiteral("/rt"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // El entorno de esta medición sin lo que cambia cómo arranca Qt.
    QByteArrayList base;
    for (char **e = environ; *e; ++e) {
        const QByteArray v(*e);
        if (!v.startsWith("QT_") && !v.startsWith("DISPLAY=") && !v.startsWith("WAYLAND_") && !v.startsWith("XDG_") &&
            !v.startsWith("LD_PRELOAD=") && !v.startsWith("PINTA_Y_SAL="))
            base << v;
    }
    base << "DISPLAY=" + pantalla.nombre() << "QT_QPA_PLATFORM=xcb" << QByteArray("LD_PRELOAD=" RUTA_SALIDA_AL_PINTAR)
         << "XDG_DATA_HOME=" + carpeta + "/datos" << "XDG_RUNTIME_DIR=" + carpeta + "/rt";
    const QByteArrayList programa{RUTA_PROGRAMA}, entornoPrograma = base + QByteArrayList{"PINTA_Y_SAL=W_Generales"};
    const QByteArrayList vacia = estado.range(0) == 0 ? QByteArrayList{RUTA_VENTANA_VACIA, "--pantalla", "--texto"}
                                                      : QByteArrayList{RUTA_VENTANA_VACIA, "--pantalla"};
    const QByteArrayList entornoPiso = estado.range(0) == 0 ? base + QByteArrayList{"PINTA_Y_SAL=piso"} : base;

    // Calentamiento; la primera corrida del programa crea la carpeta de tablas.
    if (!corre(programa, entornoPrograma) || !corre(vacia, entornoPiso)) {
        estado.SkipWithError("el programa o la ventana vacía no llegaron a dibujarse");
        return;
    }
    std::vector<double> pared, cpu, pico, paredV, cpuV, picoV, razones;
    for (auto _ : estado) {
        const auto p = corre(programa, entornoPrograma);
        const auto v = corre(vacia, entornoPiso);
        if (!p || !v) {
            estado.SkipWithError("una corrida no llegó a dibujarse");
            return;
        }
        estado.SetIterationTime(p->paredMs / 1e3);
        pared.push_back(p->paredMs), cpu.push_back(p->cpuMs), pico.push_back(p->picoMiB);
        paredV.push_back(v->paredMs), cpuV.push_back(v->cpuMs), picoV.push_back(v->picoMiB);
        razones.push_back(p->paredMs / v->paredMs);
    }
    auto &c = estado.counters;
    c["pared_ms"] = mediana(pared);
    c["pared_piso_ms"] = mediana(paredV);
    c["razon_pared"] = mediana(pared) / mediana(paredV);
    c["razon_pared_pares"] = mediana(razones);
    c["cpu_ms"] = mediana(cpu);
    c["cpu_piso_ms"] = mediana(cpuV);
    c["razon_cpu"] = mediana(cpu) / mediana(cpuV);
    c["pico_MiB"] = mediana(pico);
    c["pico_piso_MiB"] = mediana(picoV);
    c["razon_pico"] = mediana(pico) / mediana(picoV);
}
BENCHMARK(Arranque_ProcesoContraVentanaVacia)->Arg(0)->Arg(1)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
