// Cada ventana, abierta como la abre el usuario sobre la solicitud de muestra, se recorre
// entera con Tab y cada control tiene un nombre que lee el lector de pantalla.
#include "shell/Teclado.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {
// Control que el usuario maneja (no la línea interna de una lista o de un selector).
bool esControl(QWidget *w)
{
    if (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
        return false;
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QAbstractButton *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
}

// Un grupo de opciones excluyentes es una sola parada de Tab (las flechas eligen dentro).
QObject *parada(QWidget *w)
{
    auto *r = qobject_cast<QRadioButton *>(w);
    while (w && !r && !esControl(w))
        w = w->parentWidget();
    return r && r->group() && r->group()->exclusive() ? static_cast<QObject *>(r->group()) : w;
}

// En Linux una lista lee como nombre su valor: su nombre es el de la etiqueta ligada (o el
// título del grupo en que está sola).
QString nombre(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    if (!qobject_cast<QComboBox *>(w))
        return i->text(QAccessible::Name).trimmed();
    const auto etiquetas = i->relations(QAccessible::Label);
    return etiquetas.isEmpty() ? QString() : etiquetas.first().first->text(QAccessible::Name).trimmed();
}
} // namespace

class PruebaTeclado : public QObject {
    Q_OBJECT
private slots:
    // Teclear en una lista de sólo elegir busca por el principio, sin mayúsculas ni acentos, y
    // un blanco sigue la búsqueda.
    // Donde el diseño fija un orden de Tab, ése gana sobre el orden de lectura.
    // Un botón tapado por otro que ocupa su lugar no es parada de Tab.
    void ordenDelDiseno_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("tipo");   // Tipo_Actual con el que se abre
        QTest::addColumn<QStringList>("orden");
        QTest::addColumn<QStringList>("fuera");
        QTest::newRow("marco escolar") << "W_Vitae1" << "" << QStringList{"Institucion", "Tipo", "AnioIni", "AnioFin", "Carrera", "Promedio", "Titulado"} << QStringList();
        QTest::newRow("publicaciones") << "W_Vitae2" << "" << QStringList{"Pub", "CB_TipoPub", "Autor", "TituloPub", "FechaPub", "PaisPub", "Editorial"} << QStringList();
        QTest::newRow("botones del currículum") << "W_Vitae3" << "" << QStringList{"Btn_Guardar", "Btn_Anterior"} << QStringList();
        // Los meses, centrados junto al grupo de la carta, van tras la última fecha.
        QTest::newRow("meses y carta") << "W_DatAcad2" << "" << QStringList{"Fec_FinBeca", "Meses", "Carta_1", "Btn_Anterior"} << QStringList();
        // Sin aval guardado, Direccion y Predio se ven deshabilitados encima de Anterior y Siguiente.
        QTest::newRow("botones del aval") << "W_Dependiente" << "AVA" << QStringList{"Btn_Salir", "Btn_Guardar"}
                                          << QStringList{"Btn_Anterior", "Btn_Siguiente"};
    }
    void ordenDelDiseno()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, tipo);
        QFETCH(QStringList, orden);
        QFETCH(QStringList, fuera);
        Entorno e(true);
        Muestra::llena();
        e.inicial()->show();
        Tipo_Actual = tipo;
        QWidget *w = e.inicial()->Abre_Forma(ventana);
        QVERIFY(w);
        QApplication::processEvents();
        QStringList recorrido;
        for (QWidget *c : Teclado::recorrido(w))
            if (orden.contains(c->objectName()) || fuera.contains(c->objectName()))
                recorrido << c->objectName();
        QCOMPARE(recorrido, orden);
    }

    // Un grupo de opciones es una sola parada de Tab, en la opción marcada (o la primera), y
    // desde ahí las flechas eligen, como un clic.
    void grupoDeOpciones_data()
    {
        QTest::addColumn<int>("marcada");   // -1: ninguna
        QTest::addColumn<int>("llega");
        QTest::newRow("la primera marcada") << 0 << 0;
        QTest::newRow("la de en medio marcada") << 1 << 1;
        QTest::newRow("la última marcada") << 2 << 2;
        QTest::newRow("ninguna marcada") << -1 << 0;
    }
    void grupoDeOpciones()
    {
        QFETCH(int, marcada);
        QFETCH(int, llega);
        QWidget w;
        auto *antes = new QLineEdit(&w);
        auto *grupo = new QButtonGroup(&w);
        QList<QRadioButton *> opciones;
        for (int i = 0; i < 3; ++i) {
            opciones << new QRadioButton(QStringLiteral("Opción %1").arg(i + 1), &w);
            opciones.last()->move(0, 30 + 25 * i);
            grupo->addButton(opciones.last(), i);
        }
        auto *despues = new QLineEdit(&w);
        despues->move(0, 120);
        if (marcada >= 0)
            opciones[marcada]->setChecked(true);
        int clics = 0;
        connect(grupo, &QButtonGroup::idClicked, &w, [&] { ++clics; });
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        antes->setFocus();
        QVERIFY(Teclado::avanza(&w, true));
        QCOMPARE(QApplication::focusWidget(), opciones[llega]);
        QVERIFY(Teclado::avanza(&w, true));
        QCOMPARE(QApplication::focusWidget(), despues);
        QVERIFY(Teclado::avanza(&w, false));
        QCOMPARE(QApplication::focusWidget(), opciones[llega]);
        if (marcada < 0)
            return;
        const int otra = marcada == 2 ? 1 : marcada + 1;
        QTest::keyClick(opciones[llega], marcada == 2 ? Qt::Key_Up : Qt::Key_Down);
        QVERIFY(opciones[otra]->isChecked());
        QCOMPARE(clics, 1);
    }

    // Toda ventana se abre con el foco en un campo donde se puede escribir o elegir (el que fija
    // su diseño, si lo fija): nunca en uno de sólo lectura, donde lo tecleado se perdería.
    void primerFoco_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("foco");   // vacío: cualquier campo que acepte lo tecleado
        const QHash<QString, QString> fijos{{"W_Generales", "CB_Conv"}, {"W_DirAct", "Calle"}, {"W_Dependiente", "Nombre_1"},
                                            {"W_DatAcad4", "DB_MotivosA"}, {"W_Admon", "btn_ImpForm"}};
        for (const QString &v : Muestra::ventanas())
            QTest::newRow(qPrintable(v)) << v << fijos.value(v);
    }
    void primerFoco()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, foco);
        Entorno e(true);
        Muestra::llena();
        e.inicial()->showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(e.inicial()));
        Tipo_Actual = ventana == u"W_DirAct" ? QStringLiteral("ACT") : QStringLiteral("AVA");
        if (QWidget *abierta = e.inicial()->Forma(ventana))
            abierta->close();   // W_Generales, abierta al arrancar: se abre de nuevo
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *w = e.inicial()->Abre_Forma(ventana);
        QVERIFY(w);
        QApplication::processEvents();
        QWidget *f = w->focusWidget();
        while (f && !esControl(f))
            f = f->parentWidget();
        QVERIFY2(f, "sin foco");
        if (!foco.isEmpty()) {
            QCOMPARE(f->objectName(), foco);
            return;
        }
        const auto *l = qobject_cast<QLineEdit *>(f);
        const auto *p = qobject_cast<QPlainTextEdit *>(f);
        const auto *t = qobject_cast<QTextEdit *>(f);
        QVERIFY2(f->isEnabled() && !(l && l->isReadOnly()) && !(p && p->isReadOnly()) && !(t && t->isReadOnly()) &&
                     (!qobject_cast<QAbstractButton *>(f) || qobject_cast<QRadioButton *>(f)),
                 qPrintable(f->objectName()));
    }

    void busquedaEnLista_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("elegido");
        QTest::newRow("sin acento") << "mex" << "México";
        QTest::newRow("mayúsculas") << "MEXI" << "México";
        QTest::newRow("con blancos") << "san pedro t" << "San Pedro Tlaquepaque";
        QTest::newRow("más letras no saltan") << "san p" << "San Pedro";
        QTest::newRow("eñe sin tilde") << "nunoa" << "Ñuñoa";
        QTest::newRow("sin coincidencia") << "xq" << "Macao";
    }
    void busquedaEnLista()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, elegido);
        QWidget w;
        auto *lista = new QComboBox(&w);
        lista->addItems({"Macao", "Madagascar", "México", "San Pedro", "San Pedro Tlaquepaque", "Santa Ana", "Ñuñoa"});
        Teclado::prepara(&w);
        int activadas = 0;
        connect(lista, &QComboBox::activated, &w, [&] { ++activadas; });
        w.show();
        lista->setFocus();
        QTest::keyClicks(lista, tecleado);
        QCOMPARE(lista->currentText(), elegido);
        QVERIFY(!lista->view()->isVisible());   // el blanco no abrió la lista
        QCOMPARE(activadas > 0, elegido != u"Macao");
    }

    void recorridoYNombres_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("tipo");           // Tipo_Actual con el que se abre
        QTest::addColumn<QStringList>("nombres");    // control=nombre que debe leerse
        const QHash<QString, QStringList> nombres{
            {QStringLiteral("W_DirAct"), {"CB_Estado=Estado", "Add_Cd=Agregar ciudad", "Add_Mpio=Agregar municipio"}},
            {QStringLiteral("W_DatAcad1"), {"CB_Area=Area", "CB_Disc=Disciplina", "SubDisciplina=Subdisciplina"}},
            {QStringLiteral("W_DatAcad2"), {"Add_Inst=Agregar institución", "Fec_FinBeca=Fecha de término", "Nom_contacto=Nombre"}}};
        for (const QString &v : Muestra::ventanas())
            QTest::newRow(qPrintable(v)) << v << (v == u"W_DirAct" ? QStringLiteral("ACT") : QStringLiteral("AVA")) << nombres.value(v);
        QTest::newRow("W_Dependiente familia") << "W_Dependiente" << "ACT" << QStringList();
        QTest::newRow("W_DirAct extranjero") << "W_DirAct" << "EXT" << QStringList{"CB_Estado=Pais", "Add_Cd=Agregar estado"};
        QTest::newRow("W_Incon") << "W_Incon" << "" << QStringList();
        QTest::newRow("W_GenDsk") << "W_GenDsk" << "" << QStringList();
    }
    void recorridoYNombres()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, tipo);
        QFETCH(QStringList, nombres);
        Entorno e(true);
        Muestra::llena();
        e.inicial()->showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(e.inicial()));
        Tipo_Actual = tipo;
        QWidget *w = e.inicial()->Forma(ventana);   // W_Generales ya está abierta
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == ventana)          // los diálogos viven toda la ejecución
                (w = t)->show();
        if (!w)
            w = e.inicial()->Abre_Forma(ventana);
        QVERIFY(w);
        QApplication::processEvents();

        QList<QWidget *> controles;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (esControl(c) && c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !Teclado::tapado(c))
                controles << c;
        QVERIFY(!controles.isEmpty());
        controles.first()->setFocus(Qt::TabFocusReason);
        QSet<QObject *> alcanzados{parada(QApplication::focusWidget())};
        for (qsizetype i = 0; i < 2 * controles.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            alcanzados.insert(parada(QApplication::focusWidget()));
        }
        QStringList faltan;
        QHash<QPair<QWidget *, QString>, QWidget *> vistos;   // dos campos de un grupo no se leen igual
        for (QWidget *c : controles) {
            if (!alcanzados.contains(parada(c)))
                faltan << c->objectName() + QStringLiteral(": Tab no llega");
            if (nombre(c).isEmpty())
                faltan << c->objectName() + QStringLiteral(": sin nombre");
            else if (!qobject_cast<QAbstractButton *>(c)) {
                if (QWidget *&otro = vistos[{c->parentWidget(), nombre(c)}])
                    faltan << QStringLiteral("%1 y %2 se leen \"%3\"").arg(otro->objectName(), c->objectName(), nombre(c));
                else
                    otro = c;
            }
        }
        for (const QString &n : nombres)
            if (auto *c = w->findChild<QWidget *>(n.section(u'=', 0, 0)); !c || nombre(c) != n.section(u'=', 1))
                faltan << QStringLiteral("%1 se lee \"%2\"").arg(n, c ? nombre(c) : QString());
        for (QPlainTextEdit *t : w->findChildren<QPlainTextEdit *>())
            if (t->toPlainText().contains(u'\t'))
                faltan << t->objectName() + QStringLiteral(" guardó un tabulador");
        QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(QStringLiteral("; "))));
        QVERIFY(e.dialogos().textos().isEmpty());   // recorrer no hace saltar avisos
    }
};

REGISTRA_PRUEBA(PruebaTeclado)
#include "PruebaTeclado.moc"
