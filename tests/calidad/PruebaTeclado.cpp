// Cada ventana, abierta como la abre el usuario sobre la solicitud de muestra, se recorre
// entera con Tab desde su primer control, y cada control tiene un nombre que lee el lector
// de pantalla (una lista, el de la etiqueta ligada a ella).
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {

// Control con el que el usuario captura u ordena algo (no la línea interna de una lista).
bool esControl(QWidget *w)
{
    if (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
        return false;
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QAbstractButton *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
}

// El control que el usuario ve enfocado (una lista, aunque el foco esté en su línea).
QWidget *enfocado()
{
    QWidget *f = QApplication::focusWidget();
    while (f && !esControl(f))
        f = f->parentWidget();
    return f;
}

// Lo que lee el lector de pantalla. En Linux una lista lee como nombre su valor: su nombre
// es el de la etiqueta ligada (o el título del grupo en que está sola).
QString nombre(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    if (!i)
        return {};
    if (!qobject_cast<QComboBox *>(w))
        return i->text(QAccessible::Name).trimmed();
    const auto etiquetas = i->relations(QAccessible::Label);
    return etiquetas.isEmpty() ? QString() : etiquetas.first().first->text(QAccessible::Name).trimmed();
}

// Un grupo de opciones excluyentes es una sola parada de Tab (las flechas eligen dentro).
QObject *parada(QWidget *w)
{
    auto *r = qobject_cast<QRadioButton *>(w);
    if (r && r->group() && r->group()->exclusive())
        return r->group();
    return r && r->autoExclusive() ? r->parentWidget() : w;
}

QWidget *abre(const QString &ventana, const QString &tipo)
{
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->objectName() == ventana) {   // los diálogos viven toda la ejecución
            t->show();
            t->activateWindow();
            return t;
        }
    Tipo_Actual = tipo;
    QWidget *w = W_Inicial()->Forma(ventana);
    return w ? w : W_Inicial()->Abre_Forma(ventana);
}

} // namespace

class PruebaTeclado : public QObject {
    Q_OBJECT
private slots:
    void recorridoYNombres_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("tipo");   // Tipo_Actual con el que se abre
        QTest::addColumn<QStringList>("nombres");   // control=nombre que debe leerse
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
        TW_Inicial *marco = e.inicial();
        marco->showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(marco));
        QWidget *w = abre(ventana, tipo);
        QVERIFY(w);
        QApplication::processEvents();

        QList<QWidget *> controles;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (esControl(c) && c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                controles << c;
        QVERIFY(!controles.isEmpty());
        controles.first()->setFocus(Qt::TabFocusReason);
        QWidget *primero = enfocado();
        QVERIFY(primero);
        QSet<QObject *> alcanzados{parada(primero)};
        for (int i = 0; i < 2 * controles.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (enfocado() == primero)
                break;
            alcanzados.insert(parada(enfocado()));
        }
        QStringList faltan;
        QHash<QPair<QWidget *, QString>, QWidget *> vistos;   // dos campos de un grupo no se leen igual
        for (QWidget *c : controles) {
            if (!qobject_cast<QAbstractButton *>(c) && !nombre(c).isEmpty()) {
                QWidget *&otro = vistos[{c->parentWidget(), nombre(c)}];
                if (otro)
                    faltan << QStringLiteral("%1 y %2 se leen \"%3\"").arg(otro->objectName(), c->objectName(), nombre(c));
                otro = c;
            }
            if (!alcanzados.contains(parada(c)))
                faltan << QStringLiteral("%1: Tab no llega").arg(c->objectName());
            if (nombre(c).isEmpty())
                faltan << QStringLiteral("%1 (%2): sin nombre").arg(c->objectName(), QLatin1String(c->metaObject()->className()));
        }
        for (const QString &n : nombres) {
            QWidget *c = w->findChild<QWidget *>(n.section(u'=', 0, 0));
            if (!c || nombre(c) != n.section(u'=', 1))
                faltan << QStringLiteral("%1 se lee \"%2\"").arg(n, c ? nombre(c) : QString());
        }
        for (QPlainTextEdit *t : w->findChildren<QPlainTextEdit *>())
            if (t->toPlainText().contains(u'\t'))
                faltan << QStringLiteral("%1 guardó un tabulador").arg(t->objectName());
        QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(QStringLiteral("; "))));
        QVERIFY(e.dialogos().textos().isEmpty());   // recorrer no hace saltar avisos
    }
};

REGISTRA_PRUEBA(PruebaTeclado)
#include "PruebaTeclado.moc"
