#pragma once
#include <QByteArray>
#include <QString>

// La entrega usa la página de códigos Windows-1252: los campos aceptan sólo lo que ésta
// puede guardar, para que nada de lo capturado se pierda al entregarlo.
namespace Win1252 {
bool representable(QChar c);
QString limpia(const QString &texto);           // quita lo que no se puede representar
// Mayúsculas de todas las letras, acentuadas y ñ incluidas (á → Á, ñ → Ñ, ü → Ü); una letra
// cuya mayúscula no cabe en un carácter de la página (ß) queda como está.
QString mayusculas(const QString &texto);
QByteArray codifica(const QString &texto);      // '?' para lo no representable
QString decodifica(const QByteArray &bytes);
// ¿Tiene carácter el byte? (0x81, 0x8D, 0x8F, 0x90 y 0x9D no lo tienen.)
bool definido(unsigned char b);
}
