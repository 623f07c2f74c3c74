// Entradas difíciles en los campos de texto de las ventanas de captura: cada valor se
// guarda y se muestra igual al reabrir (en mayúsculas donde la ventana las pone, cortado
// donde el control tiene largo máximo), o se rechaza con un mensaje en español; nunca
// llega al usuario texto del motor y nada de lo guardado se pierde.
#include "academic/Acad4.h"
#include "academic/ApoyoAcad.h"
#include "curriculum/AyudaVitae.h"
#include "personal/Ayuda.h"
#include "calidad/Entradas.h"
#include "shell/U_Mod.h"
#include "support/Muestra.h"

using namespace Ayuda;
using namespace Entradas;

namespace {

QWidget *abreGenerales(Entorno &e)
{
    marco(e, false);
    return ventana("W_Generales");
}

} // namespace

class PruebaEntradas : public QObject {
    Q_OBJECT
private slots:
    // Datos generales del solicitante: nombres y CURP.
    void generales_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("valor");
        const QList<QPair<const char *, const char *>> campos{
            {"Nombre_1", "Nombre_1"}, {"Nombre_2", "Nombre_2"}, {"Paterno", "Paterno"}, {"Materno", "Materno"}, {"E_Curp", "Curp"}};
        for (const auto &[campo, columna] : campos)
            for (const auto &[nombre, valor] : valores())
                QTest::addRow("%s, %s", campo, nombre) << QString::fromLatin1(campo) << QString::fromLatin1(columna) << valor;
    }
    void generales()
    {
        QFETCH(QString, campo);
        QFETCH(QString, columna);
        QFETCH(QString, valor);
        const QByteArray c = campo.toLatin1();
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria,Ingreso_Mensual) values (1,482,12345)"));
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Curp,Sexo,Edo_civil,Tipo) "
                                    "values (1,'ANA','MARÍA','PÉREZ','LÓPEZ','CURP0','F','S','SOL')"));
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Paterno,Tipo) values (2,'O''NEIL','AVAL','AVA')"));
        const QString antes = Entorno::valor(QStringLiteral("Select %1 From Persona Where Clave=1").arg(columna)).toString();
        QWidget *g = abreGenerales(e);
        QVERIFY(g);
        escribe(g, c.constData(), valor);
        const QString esperado = visto(g, c.constData(), valor);
        QCOMPARE(texto(g, c.constData()), esperado);
        pulsa(g, "Btn_Sig");
        QApplication::processEvents();
        const QStringList textos = e.dialogos().textos();
        sinTextoDelMotor(textos);
        const QString guardado = Entorno::valor(QStringLiteral("Select %1 From Persona Where Clave=1").arg(columna)).toString();
        if (!textos.isEmpty()) {
            // Rechazado: lo anterior sigue.
            QCOMPARE(guardado, antes);
        } else {
            QCOMPARE(guardado, esperado);
            if (QWidget *d = ventana("W_DirAct"))
                d->parentWidget()->close();
            QWidget *g2 = abre(QStringLiteral("W_Generales"));
            QVERIFY(g2);
            QCOMPARE(texto(g2, c.constData()), esperado);
        }
        // Nada más se perdió.
        QCOMPARE(Ayuda::filas(QStringLiteral("Select Clave,Nombre_1,Paterno,Tipo From Persona Where Clave<>1 Order by Clave")),
                 (QList<QVariantList>{{2, QStringLiteral("O'NEIL"), QStringLiteral("AVAL"), QStringLiteral("AVA")}}));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 2);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Ingreso_Mensual From General")).toInt(), 12345);
        for (const char *otra : {"Nombre_1", "Nombre_2", "Paterno", "Materno", "Curp"})
            if (columna != QLatin1String(otra))
                QVERIFY2(!Entorno::valor(QStringLiteral("Select %1 From Persona Where Clave=1").arg(QLatin1String(otra)))
                              .toString().isEmpty(), otra);
    }

    // Domicilio actual: calle, números, colonia, correo.
    void domicilio_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("valor");
        const QList<QPair<const char *, const char *>> campos{{"Calle", "Calle"},     {"Exterior", "Numero"}, {"Interior", "Interior"},
                                                              {"Colonia", "Colonia"}, {"CP", "Cp"},         {"e_mail", "Correo"}};
        for (const auto &[campo, columna] : campos)
            for (const auto &[nombre, valor] : valores()) {
                // El correo lleva arroba para que la ventana no lo rechace por eso.
                const QString v = QLatin1String(campo) == QLatin1String("e_mail") ? valor + QStringLiteral("@x.mx") : valor;
                QTest::addRow("%s, %s", campo, nombre) << QString::fromLatin1(campo) << QString::fromLatin1(columna) << v;
            }
    }
    void domicilio()
    {
        QFETCH(QString, campo);
        QFETCH(QString, columna);
        QFETCH(QString, valor);
        const QByteArray c = campo.toLatin1();
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)"));
        Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo,Calle,Numero,Interior,Colonia,Correo,Cp,Persona_clave) "
                                    "values (1,'ACT','REFORMA','10','A','CENTRO','ana@x.mx','44100',1)"));
        Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo,Calle,Colonia,Persona_clave) values (2,'ACC','O''DONOJÚ','\"LA\" LUZ',1)"));
        const QString antes = Entorno::valor(QStringLiteral("Select %1 From Domicilio Where Tipo='ACT'").arg(columna)).toString();
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        QVERIFY(d);
        escribe(d, c.constData(), valor);
        QString esperado = visto(d, c.constData(), valor);
        QCOMPARE(texto(d, c.constData()), esperado);
        if (campo == u"CP")
            esperado = esperado.trimmed();   // el C.P. se guarda sin espacios en los extremos
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        const QStringList textos = e.dialogos().textos();
        sinTextoDelMotor(textos);
        const QString guardado = Entorno::valor(QStringLiteral("Select %1 From Domicilio Where Tipo='ACT'").arg(columna)).toString();
        if (!textos.isEmpty()) {
            QCOMPARE(guardado, antes);
        } else {
            QCOMPARE(guardado, esperado);
            if (QWidget *s = ventana("W_Dependiente"))
                s->parentWidget()->close();
            QWidget *d2 = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
            QVERIFY(d2);
            QCOMPARE(texto(d2, c.constData()), esperado);
        }
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio")), 2);
        QCOMPARE(Ayuda::filas(QStringLiteral("Select Calle,Colonia From Domicilio Where Tipo='ACC'")),
                 (QList<QVariantList>{{QStringLiteral("O'DONOJÚ"), QStringLiteral("\"LA\" LUZ")}}));
        for (const char *otra : {"Calle", "Numero", "Interior", "Colonia", "Correo", "Cp"})
            if (columna != QLatin1String(otra))
                QVERIFY2(!Entorno::valor(QStringLiteral("Select %1 From Domicilio Where Tipo='ACT'").arg(QLatin1String(otra)))
                              .toString().isEmpty(), otra);
    }

    // Motivos de estudio: cada caja se guarda al salir y se muestra igual al reabrir. La
    // ventana pone en mayúsculas todas las letras (acentos y ñ incluidos) y antepone una línea vacía.
    void motivos_data()
    {
        QTest::addColumn<int>("caja");
        QTest::addColumn<QString>("valor");
        for (int caja = 0; caja < 3; ++caja)
            for (const auto &[nombre, valor] : valores())
                QTest::addRow("Motivos_%c, %s", 'A' + caja, nombre) << caja << valor;
    }
    void motivos()
    {
        QFETCH(int, caja);
        QFETCH(QString, valor);
        Entorno e(true);
        ApoyoAcad::convocatoria(e, 482);
        Entorno::sql(QStringLiteral("Update General set Motivos_A=:a, Motivos_B=:b, Motivos_C=:c"),
                     {{QStringLiteral("a"), QStringLiteral("\nPRIMERO 'UNO'")},
                      {QStringLiteral("b"), QStringLiteral("\nSEGUNDO \"DOS\"")},
                      {QStringLiteral("c"), QStringLiteral("\nTERCERO")}});
        const QStringList columnas{QStringLiteral("Motivos_A"), QStringLiteral("Motivos_B"), QStringLiteral("Motivos_C")};
        const auto lee = [&](int i) {
            return Entorno::valor(QStringLiteral("Select %1 From General").arg(columnas.at(i))).toString();
        };
        const QStringList antes{lee(0), lee(1), lee(2)};
        auto *w = ApoyoAcad::abre<TW_DatAcad4>("W_DatAcad4");
        QVERIFY(w);
        EditMemo *cajas[] = {w->DB_MotivosA, w->DB_MotivosB, w->DB_MotivosC};
        cajas[caja]->clear();
        Pruebas::escribe(cajas[caja], valor);
        ApoyoAcad::sal(cajas[caja]);
        const QString esperado = QStringLiteral("\n") + valor.toUpper();
        sinTextoDelMotor(e.dialogos().textos());
        QCOMPARE(e.dialogos().textos(), QStringList());
        QCOMPARE(cajas[caja]->toPlainText(), esperado);
        QCOMPARE(lee(caja), esperado);
        w->Btn_Guardar->click();
        ApoyoAcad::procesa();
        sinTextoDelMotor(e.dialogos().textos());
        w = ApoyoAcad::abre<TW_DatAcad4>("W_DatAcad4");
        QVERIFY(w);
        EditMemo *cajas2[] = {w->DB_MotivosA, w->DB_MotivosB, w->DB_MotivosC};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lee(i), i == caja ? esperado : antes.at(i));
            QCOMPARE(cajas2[i]->toPlainText(), lee(i));
        }
    }

    // Curriculum: nombre de una asociación y de un idioma ya guardados, editados en su lugar.
    void curriculum_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("consulta");
        QTest::addColumn<QString>("valor");
        for (const auto &[nombre, valor] : valores()) {
            QTest::addRow("NomAsociasion, %s", nombre) << "NomAsociasion" << "Asociaciones"
                                                       << "Select Lugar From Trabajo Where Tipo='ASO'" << valor;
            QTest::addRow("NomIdioma, %s", nombre) << "NomIdioma" << "Idiomas" << "Select Titulo From Trabajo Where Tipo='IDI'" << valor;
        }
    }
    void curriculum()
    {
        QFETCH(QString, campo);
        QFETCH(QString, selector);
        QFETCH(QString, consulta);
        QFETCH(QString, valor);
        const QByteArray c = campo.toLatin1(), s = selector.toLatin1();
        Entorno e(true);
        Vitae::conConvocatoria();
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,Puesto,secuencia) values (1,'TRA','UNAM','JEFE \"A\"',1)"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,secuencia) values (2,'ASO','AMC',1)"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Titulo,Escritura,Lectura,Comprension,secuencia) "
                                    "values (3,'IDI','FRANCÉS',80,90,70,1)"));
        const auto todas = [] {
            return Ayuda::filas(QStringLiteral("Select Clave,Tipo,Lugar,Puesto,Titulo,Escritura,Lectura,Comprension,secuencia "
                                               "From Trabajo Order by Clave"));
        };
        const QList<QVariantList> antes = todas();
        QWidget *w = Vitae::abre(e, QStringLiteral("W_Vitae3"));
        QVERIFY(w);
        QCOMPARE(Vitae::control<QSpinBox>(w, s.constData())->value(), 1);
        Vitae::teclea(w, c.constData(), valor);
        const QString esperado = visto(w, c.constData(), valor);
        QCOMPARE(Vitae::control<QLineEdit>(w, c.constData())->text(), esperado);
        Vitae::selecciona(w, s.constData(), 0);
        Vitae::control<QPushButton>(w, "Btn_Guardar")->click();
        QApplication::processEvents();
        const QStringList textos = e.dialogos().textos();
        sinTextoDelMotor(textos);
        const QString guardado = Entorno::valor(consulta).toString();
        const bool idioma = campo == u"NomIdioma";
        QList<QVariantList> despues = antes;
        for (QVariantList &f : despues)
            if (textos.isEmpty() && f.at(1).toString() == (idioma ? QStringLiteral("IDI") : QStringLiteral("ASO")))
                f[idioma ? 4 : 2] = esperado;
        // Sólo cambia el campo editado (o nada, si se rechazó).
        QCOMPARE(todas(), despues);
        if (textos.isEmpty()) {
            QCOMPARE(guardado, esperado);
            if (!Vitae::abierta(e, "W_Vitae3")) {
                w = Vitae::abre(e, QStringLiteral("W_Vitae3"));
                QVERIFY(w);
            }
            Vitae::selecciona(w, s.constData(), 1);
            QCOMPARE(Vitae::control<QLineEdit>(w, c.constData())->text(), esperado);
        }
    }

    // Nombres nuevos de catálogo (estado de nacimiento, municipio del domicilio): se guardan en
    // mayúsculas, sin blancos a los lados y sin lo que no cabe en las tablas de la entrega, y
    // aparecen en la lista; vacío o de más de 255 caracteres se rechaza con aviso y el catálogo
    // no cambia (un nombre así haría fallar la entrega para siempre).
    void catalogo_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("guardado");   // vacío: rechazado
        QList<QPair<const char *, QString>> casos = valores();
        casos.append({"blancos a los lados", QStringLiteral("  villa ñ  ")});
        casos.append({"fuera de Windows-1252", QStringLiteral("pueblo \u4e2d\u6587 nuevo")});
        casos.append({"vacío", QStringLiteral("   ")});
        casos.append({"300 caracteres", QString(300, u'x')});
        for (const char *boton : {"Btn_AddEdo", "Add_Mpio"})
            for (const auto &[nombre, valor] : casos) {
                QString g = valor.trimmed().toUpper().remove(QStringLiteral("\u4e2d\u6587"));
                if (g.size() > 255)
                    g.clear();
                QTest::addRow("%s, %s", boton, nombre) << QString::fromLatin1(boton) << valor << g;
            }
    }
    void catalogo()
    {
        QFETCH(QString, boton);
        QFETCH(QString, valor);
        QFETCH(QString, guardado);
        const bool generales = boton == u"Btn_AddEdo";
        const QString tabla = generales ? QStringLiteral("Cat_Estado") : QStringLiteral("Cat_Municipio");
        Entorno e(true);
        Muestra::llena();
        const int antes = Entorno::cuenta(tabla);
        marco(e);
        QWidget *w = generales ? abre(QStringLiteral("W_Generales")) : abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        QVERIFY(w);
        if (generales)
            QVERIFY(elige(w, "CB_PaisNac", QStringLiteral("Estados Unidos")));
        e.dialogos().limpia();
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(valor);
        pulsa(w, boton.toLatin1().constData());
        QApplication::processEvents();
        const QStringList textos = e.dialogos().textos();
        sinTextoDelMotor(textos);
        QCOMPARE(textos.size(), guardado.isEmpty() ? 3 : 2);   // pregunta, captura y, si se rechaza, el aviso
        QCOMPARE(Entorno::cuenta(tabla), guardado.isEmpty() ? antes : antes + 1);
        if (guardado.isEmpty())
            return;
        QCOMPARE(Entorno::valor(QStringLiteral("Select Nombre From %1 Where Clave=(Select Max(Clave) From %1)").arg(tabla)).toString(),
                 guardado);
        // La lista ya lo ofrece.
        QVERIFY(control<QComboBox>(w, generales ? "CB_EstadoNac" : "CB_Municipio")->findText(guardado) >= 0);
    }
};

REGISTRA_PRUEBA(PruebaEntradas)
#include "PruebaEntradas.moc"
