#include "reports/ApoyoReportes.h"
#include "support/Entorno.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using Informe::Primitiva;

namespace ApoyoReportes {

QStringList textos(const Informe::Pagina &p, const QString &origen)
{
    QStringList r;
    for (const Primitiva *x : p.todasDeOrigen(origen))
        r << x->texto.trimmed();
    return r;
}

int hojaSinCuerpo(const Informe::Documento &d)
{
    if (d.paginas.size() < 2)
        return -1;
    const QRegularExpression numero(QStringLiteral("^Página: \\d+$"));
    QSet<QString> comunes;
    for (const QString &t : d.paginas.first().textos())
        comunes.insert(t.simplified());
    for (const Informe::Pagina &p : d.paginas) {
        QSet<QString> estos;
        for (const QString &t : p.textos())
            estos.insert(t.simplified());
        comunes &= estos;
    }
    for (int i = 0; i < d.paginas.size(); ++i) {
        bool propio = false;
        for (const QString &t : d.paginas.at(i).textos())
            if (!comunes.contains(t.simplified()) && !numero.match(t.simplified()).hasMatch())
                propio = true;
        if (!propio)
            return i;
    }
    return -1;
}

QString unido(const Informe::Pagina &p, const QString &origen) { return textos(p, origen).join(u' ').simplified(); }

std::pair<int, double> lugar(const Informe::Documento &d, const QString &texto)
{
    for (int i = 0; i < d.paginas.size(); ++i)
        if (const Primitiva *p = d.paginas.at(i).busca(texto))
            return {i, p->caja.top()};
    return {-1, 0};
}

VistaPrevia capturaVistaPrevia(const std::function<void()> &imprime)
{
    VistaPrevia r;
    QTimer::singleShot(0, [&r] {
        auto *dlg = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        r.titulo = dlg->windowTitle();
        if (auto *w = dlg->findChild<QPrintPreviewWidget *>())
            r.paginas = w->pageCount();
        dlg->reject();
    });
    imprime();
    return r;
}

void solicitante(const QVariant &nombre2, const QVariant &materno)
{
    Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Tipo) values (1,'JOSÉ',:n2,'NÚÑEZ',:m,'SOL')"),
                 {{QStringLiteral("n2"), nombre2}, {QStringLiteral("m"), materno}});
}

bool hayPdftotext() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

Pdf imprimePdf(const QString &reporte, const QString &carpeta, bool conFormato)
{
    Pdf r;
    QTemporaryDir dir;
    r.archivo = dir.filePath(reporte + QStringLiteral(".pdf"));
    r.cli = corre({QStringLiteral("imprime"), reporte, r.archivo, QStringLiteral("--tablas"), carpeta});
    if (r.cli.codigo != 0)
        return r;
    QStringList args{r.archivo, QStringLiteral("-")};
    if (conFormato)
        args.prepend(QStringLiteral("-layout"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    r.leido = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    r.texto = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}

QString faltan(const QString &texto, const QStringList &buscados, const QString &mostrado)
{
    QStringList f;
    for (const QString &s : buscados)
        if (!texto.contains(s))
            f << s;
    if (f.isEmpty())
        return {};
    return f.join(QStringLiteral(" | ")) + QStringLiteral(" no está en:\n") + (mostrado.isNull() ? texto : mostrado);
}

} // namespace ApoyoReportes
