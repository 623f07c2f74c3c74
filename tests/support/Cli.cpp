#include "support/Cli.h"

#include <QProcess>

SalidaCli corre(const QStringList &argumentos, int esperaMs)
{
    QProcess p;
    p.start(QStringLiteral(RUTA_CLI), argumentos);
    if (!p.waitForFinished(esperaMs) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
