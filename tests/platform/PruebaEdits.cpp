#include "platform/Edits.h"
#include "support/Pruebas.h"
#include <QValidator>

class PruebaEdits : public QObject {
    Q_OBJECT
private slots:
    void mascarasVaciasYLlenas_data()
    {
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::newRow("fecha vacía") << EditMascara::kFecha << "" << "  /  /    ";
        QTest::newRow("fecha") << EditMascara::kFecha << "05032004" << "05/03/2004";
        QTest::newRow("fecha parcial") << EditMascara::kFecha << "0503" << "05/03/    ";
        QTest::newRow("fecha con letras") << EditMascara::kFecha << "0a5b03" << "05/03/    ";
        QTest::newRow("teléfono vacío") << EditMascara::kTelefono << "" << "(    )    -    ";
        QTest::newRow("teléfono") << EditMascara::kTelefono << "555512345678" << "(5555)1234-5678";
        QTest::newRow("porcentaje") << "!999;1;_" << "85" << "85 ";
    }
    void mascarasVaciasYLlenas()
    {
        QFETCH(QString, mascara);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        EditMascara e(mascara);
        e.show();
        e.setFocus();
        e.home(false);
        QTest::keyClicks(&e, teclas);
        QCOMPARE(e.texto(), texto);
        QCOMPARE(e.vacio(), teclas.isEmpty());
    }

    void ponTextoMuestraLoGuardado()
    {
        EditMascara e(EditMascara::kFecha);
        e.ponTexto(QStringLiteral("29/02/2004"));
        QCOMPARE(e.texto(), QStringLiteral("29/02/2004"));
        e.ponTexto(QStringLiteral("  /  /    "));
        QVERIFY(e.vacio());
        QCOMPARE(e.texto(), e.textoVacio());
        e.ponTexto(QString());
        QCOMPARE(e.texto(), QStringLiteral("  /  /    "));
    }

    void mayusculasAlEscribir()
    {
        EditMayusculas e;
        e.show();
        Pruebas::escribe(&e, QStringLiteral("álvarez núñez o'higgins ü"));
        QCOMPARE(e.texto(), QStringLiteral("ÁLVAREZ NÚÑEZ O'HIGGINS Ü"));
    }

    void soloWindows1252()
    {
        EditTexto e;
        e.setText(QStringLiteral("Café \u4e2d€"));
        QString t = e.text();
        int pos = 0;
        e.validator()->validate(t, pos);
        QCOMPARE(t, QStringLiteral("Café €"));
    }
};

REGISTRA_PRUEBA(PruebaEdits)
#include "PruebaEdits.moc"
