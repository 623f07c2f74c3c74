#pragma once
// Iconos estándar del estilo para los botones de las ventanas.
#include <QIcon>
#include <QStyle>

class QWidget;

// El icono estándar `cual` del estilo de `w`, el mismo que daría style()->standardIcon().
// Sin tema de iconos del escritorio Qt usa «hicolor», el tema base de los iconos de programas,
// que no trae iconos de acciones: Qt lee de todos modos su índice (unos 55 KB) antes de volver a
// sus propios dibujos, y eso cuesta varios milisegundos al abrir la primera ventana. En ese caso
// se piden directamente los dibujos de Qt, sin consultar el tema; con cualquier otro tema
// (GNOME, KDE, Xfce…) se consulta como siempre.
QIcon iconoEstandar(QStyle::StandardPixmap cual, const QWidget *w);
