#pragma once
// Iconos de los botones de las ventanas: los estándar del estilo y los del tema de iconos.
//
// Sin tema de iconos del escritorio Qt usa «hicolor», el tema base de los iconos de programas,
// que no trae iconos de acciones: Qt lee de todos modos su índice (unos 55 KB) antes de volver a
// sus propios dibujos o de dar un icono vacío, y eso cuesta varios milisegundos en la primera
// ventana que pide un icono. En ese caso estas funciones dan lo mismo sin consultar el tema; con
// cualquier otro tema (GNOME, KDE, Xfce…) se consulta como siempre.
#include <QIcon>
#include <QStyle>
#include <initializer_list>

class QWidget;

// El icono estándar `cual` del estilo de `w`, el mismo que daría style()->standardIcon().
QIcon iconoEstandar(QStyle::StandardPixmap cual, const QWidget *w);
// main() empieza a decodificar en segundo plano los dibujos de los iconos estándar que pide la
// primera ventana (con el estilo de la aplicación); iconoEstandar() los toma ya leídos.
void empiezaIconosEstandar(std::initializer_list<QStyle::StandardPixmap> cuales);
// El icono `nombre` del tema, el mismo que daría QIcon::fromTheme() (vacío sin tema de escritorio).
QIcon iconoDelTema(const QString &nombre);
// Los cuadros de mensaje y la vista previa de Qt sí consultan el tema: su índice se lee una vez
// en cuanto `w` se dibujó por primera vez, para que el primer mensaje no tarde más.
void leeTemaTrasDibujar(QWidget *w);

// El icono del programa (256 px): decodificarlo es de lo más caro al arrancar. main() lo empieza
// a decodificar en segundo plano en cuanto existe la aplicación; iconoDelPrograma() lo espera la
// primera vez (o lo decodifica ahí si nadie lo empezó), lo pone como icono de la aplicación y
// de ahí en adelante da ese mismo.
void empiezaIconoDelPrograma();
QIcon iconoDelPrograma();

// Los dibujos de los botones de la barra del marco (:/iconos/<nombre>.png). main() los empieza a
// decodificar en segundo plano antes que el del programa, porque el marco los pide primero;
// iconoDeLaBarra() da el mismo icono que QIcon con la ruta del dibujo (y lo decodifica ahí si
// nadie lo empezó o si el nombre no es de la barra).
void empiezaIconosDeLaBarra();
QIcon iconoDeLaBarra(const QString &nombre);
