#pragma once
// Uso sin ratón y nombres para el lector de pantalla, iguales en todas las ventanas: cada
// etiqueta queda ligada a su control, Tab recorre los controles en orden de lectura (de arriba
// abajo, de izquierda a derecha, según donde están en pantalla, así un control nuevo entra
// solo en su lugar), Tab sale de los cuadros de varias líneas y Enter pulsa el botón enfocado.
#include <QList>
#include <QString>

class QLabel;
class QStyle;
class QWidget;

namespace Teclado {

// Nombre que lee el lector de pantalla para el texto de una etiqueta: sin el atajo "&", sin
// marcas ("·Estado" se lee "Estado") y sin los dos puntos finales.
QString nombreDe(const QString &etiqueta);

// Liga la etiqueta a su control: su atajo lleva al control y el control toma su nombre.
void liga(QLabel *etiqueta, QWidget *control);

// Prepara la ventana (o diálogo) y renueva los nombres: cada etiqueta sin control se liga al
// campo que tiene a su derecha (o debajo, si a la derecha hay otra etiqueta), los botones de
// sólo dibujo toman el nombre de lo que hacen. Se puede llamar otra vez cuando cambian las
// etiquetas.
void prepara(QWidget *ventana);

// Orden de Tab que fija el diseño para esos controles: gana sobre el orden de lectura (los
// controles ocupan, en el orden dado, los lugares que les tocarían). Se puede llamar varias
// veces, una por grupo de controles.
void ordenFijo(QWidget *ventana, const QList<QWidget *> &controles);

// Controles de la ventana a los que llega Tab, en orden de lectura (y los órdenes fijos).
QList<QWidget *> recorrido(QWidget *ventana);
// El control no se ve porque otro que ocupa su lugar se dibuja encima: no es parada de Tab.
bool tapado(const QWidget *w);

// Lleva el foco al control siguiente (o anterior) en orden de lectura, dando la vuelta.
// false si la ventana no tiene controles a los que llegar.
bool avanza(QWidget *ventana, bool adelante);

// Propiedad que vale true en una lista mientras la búsqueda al teclear la mueve (emite
// activated): es hojear, como con las flechas, no elegir.
inline constexpr char kHojeando[] = "hojeando";

// Foco en el primer campo de captura de la ventana (no en un botón ni en una opción): cuando
// la ventana cambia lo que muestra, el usuario sigue desde ahí y el lector lo anuncia.
void enfocaPrimero(QWidget *ventana);

// Al abrirse la ventana: el campo que ella misma enfocó (el primero que fija su diseño) si se
// puede escribir en él; si no, el primer campo de captura, o el primer control.
void enfocaAlAbrir(QWidget *ventana);

// Estilo del programa con el foco siempre a la vista: el marco resaltado del estilo en todo
// control enfocado (también con el foco puesto por el programa, no sólo con Tab) y en los
// cuadros de varias líneas. Los controles sin foco se dibujan igual que antes.
void instalaEstilo();
// El estilo del foco sobre `base` (del que toma todo lo demás), para quien lo arma aparte.
QStyle *estiloConFoco(QStyle *base);
// El estilo que envuelve el del foco: sus iconos estándar son los de éste. Cualquier otro, tal cual.
const QStyle *estiloBase(const QStyle *estilo);

} // namespace Teclado
