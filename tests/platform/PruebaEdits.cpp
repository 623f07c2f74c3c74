#include "platform/Edits.h"
#include "support/Pruebas.h"
#include <QTextCursor>
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

    // Memo con largo máximo: lo que sobra no entra, se teclee al final, se pegue en medio o
    // llegue entero de la base; los caracteres fuera de Windows-1252 se quitan antes de contar.
    void memoConLargoMaximo_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("entra");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<int>("cursorFinal");
        QTest::newRow("tecleado al final") << "ABCDEFGH" << 8 << "IJKL" << "ABCDEFGHIJ" << 10;
        QTest::newRow("pegado en medio") << "ABCDEFGH" << 2 << "xyz" << "ABxyCDEFGH" << 4;
        QTest::newRow("cabe justo") << "ABCDEFGH" << 8 << "ñÁ" << "ABCDEFGHñÁ" << 10;
        QTest::newRow("ajenos no cuentan") << "ABCDEFGH" << 8 << QStringLiteral("\u4e2dé") << "ABCDEFGHé" << 9;
        QTest::newRow("texto entero") << "" << -1 << "0123456789ABC" << "0123456789" << -1;
        QTest::newRow("tabulador pegado") << "AB" << 2 << "x\ty" << "ABx y" << 5;
    }
    void memoConLargoMaximo()
    {
        QFETCH(QString, inicial);
        QFETCH(int, cursor);
        QFETCH(QString, entra);
        QFETCH(QString, queda);
        QFETCH(int, cursorFinal);
        EditMemo m;
        m.ponLargoMaximo(10);
        m.setPlainText(inicial);
        if (cursor < 0) {
            m.setPlainText(entra);   // como lo muestra una ventana al leer la base
        } else {
            QTextCursor c = m.textCursor();
            c.setPosition(cursor);
            m.setTextCursor(c);
            m.insertPlainText(entra);   // como al teclear o pegar
        }
        QCOMPARE(m.toPlainText(), queda);
        if (cursorFinal >= 0)
            QCOMPARE(m.textCursor().position(), cursorFinal);
    }
};

REGISTRA_PRUEBA(PruebaEdits)
#include "PruebaEdits.moc"
