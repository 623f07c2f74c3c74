#pragma once
// Carpetas temporales del programa. Todas viven bajo una carpeta por usuario,
// QDir::tempPath()/solicitud-<uid> (modo 0700), en una subcarpeta por proceso con su cerrojo
// (QLockFile) al lado. El proceso que crea la suya borra las de los procesos que ya no existen,
// así que lo que deja un trabajador que cayó o que se mató no se acumula.
#include <QString>

namespace Temporal {

// Plantilla para un QTemporaryDir dentro de la carpeta de este proceso (la crea la primera
// vez): .../corrida-<pid>-<azar>/<nombre>-XXXXXX. Lanza ErrorBase (externa) si no se puede.
QString plantilla(const QString &nombre);

// Borra las carpetas de los procesos que ya no existen (nunca la de uno vivo); devuelve
// cuántas. No lanza: lo que no se pudo borrar se intenta en la próxima corrida.
int limpia();

// La carpeta por usuario.
QString raiz();

} // namespace Temporal
