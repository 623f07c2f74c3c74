#pragma once
// Valores difíciles y comprobaciones comunes del barrido de entradas de las ventanas de
// captura.
#include "platform/Edits.h"

#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTest>

namespace Entradas {

// Lo que las ventanas dicen de una fecha (revisión compartida de fechas) y de un dato
// incompleto; la fecha de hoy es la del reloj fijo de las pruebas.
inline const QString kFechaAnio = QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado "
                                                 "el año Es permitido de 1900 a 2020");
inline const QString kFechaMes = QStringLiteral("La fecha que ingreso tiene un error en el mes, es necesario que sean dos digitos en el mes");
inline const QString kFechaDia = QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia");
inline const QString kIncompleto = QStringLiteral("No ha capturado la informacion de manera completa");
inline const QString kHoy = QStringLiteral("15/03/2004");

// Los valores difíciles, por nombre de renglón.
inline QList<QPair<const char *, QString>> valores()
{
    QString largo;
    const QString trozo = QStringLiteral("ÁÉÍÓÚ Ñandú 'x' \"y\" \\z ");
    while (largo.size() < 255)
        largo += trozo;
    largo.truncate(254);
    largo += u'Z';   // 255 caracteres, sin espacio final
    return {{"apóstrofo", QStringLiteral("o'higgins")},
            {"comillas", QStringLiteral("el \"güero\"")},
            {"diagonal invertida", QStringLiteral("c:\\dir\\n")},
            {"255 caracteres", largo},
            {"mayúsculas acentuadas", QStringLiteral("ÁÉÍÓÚ ÜÑ")},
            {"eñe", QStringLiteral("peña")},
            {"inyección", QStringLiteral("x'); Drop Table Persona; --")}};
}

// Lo que el usuario ve en el control tras teclear el valor.
inline QString visto(QWidget *w, const char *campo, const QString &valor)
{
    auto *c = w->findChild<QLineEdit *>(QLatin1String(campo));
    if (!c)
        return {};
    QString t = qobject_cast<EditMayusculas *>(c) ? valor.toUpper() : valor;
    return t.left(c->maxLength());
}

// Ningún texto mostrado trae palabras del motor.
inline void sinTextoDelMotor(const QStringList &textos)
{
    for (const QString &t : textos)
        for (const char *p : {"SQL", "sqlite", "constraint", "QSql", "syntax"})
            QVERIFY2(!t.contains(QLatin1String(p), Qt::CaseInsensitive), qPrintable(t));
}

} // namespace Entradas
