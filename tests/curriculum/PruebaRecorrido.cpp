// Un solicitante nuevo llena todas las listas de las tres ventanas desde "Curriculares", con
// teclado y ratón, y al reabrir encuentra cada registro por su número.
#include "AyudaVitae.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Vitae;

namespace {
struct Registro {
    const char *selector;
    int numero;
    std::vector<std::pair<const char *, QString>> campos;   // control, texto tecleado (y mostrado)
};

// Teclea los registros de una ventana, uno tras otro, moviendo su selector.
void llena(QWidget *w, const std::vector<Registro> &registros)
{
    for (const Registro &r : registros) {
        selecciona(w, r.selector, r.numero);
        for (const auto &[nombre, texto] : r.campos) {
            if (auto *combo = w->findChild<QComboBox *>(QLatin1String(nombre))) {
                combo->setFocus();
                for (int i = 0; i < combo->count() && combo->currentText() != texto; ++i)
                    QTest::keyClick(combo, Qt::Key_Down);
            } else {
                QString t = texto;
                teclea(w, nombre, t.remove(u'/').remove(u'.'));
            }
        }
    }
}

void revisa(QWidget *w, const std::vector<Registro> &registros)
{
    for (const Registro &r : registros) {
        selecciona(w, r.selector, r.numero);
        for (const auto &[nombre, texto] : r.campos) {
            QWidget *c = control(w, nombre);
            QString visto;
            if (auto *m = qobject_cast<EditMascara *>(c))
                visto = m->texto().trimmed();
            else if (auto *e = qobject_cast<QLineEdit *>(c))
                visto = e->text();
            else if (auto *cb = qobject_cast<QComboBox *>(c))
                visto = cb->currentText();
            QVERIFY2(visto == texto, qPrintable(QStringLiteral("%1 %2: %3 en vez de %4").arg(QLatin1String(nombre)).arg(r.numero).arg(visto, texto)));
        }
    }
}

const std::vector<Registro> kVitae1 = {
    {"Becas", 1, {{"InstBeca", "FUNDACIÓN O'GORMAN"}, {"meses", "12"}, {"GdoBeca", "LICENCIATURA"}}},
    {"Becas", 2, {{"InstBeca", "FUNDACIÓN ALTAMIRA"}, {"meses", "24"}, {"GdoBeca", "MAESTRÍA"}}},
    {"Recon", 1, {{"InstRec", "UNAM"}, {"GdoRec", "LICENCIATURA"}, {"Fec_rec", "10/12/1998"}}},
};
const std::vector<Registro> kVitae2 = {
    {"Pub", 1, {{"CB_TipoPub", "LIBRO"}, {"Autor", "PÉREZ"}, {"TituloPub", "ÁLGEBRA"}, {"FechaPub", "05/06/2003"}, {"PaisPub", "MÉXICO"}, {"Editorial", "TRILLAS"}}},
    {"Pub", 2, {{"CB_TipoPub", "ARTICULO"}, {"Autor", "PÉREZ Y LÓPEZ"}, {"TituloPub", "GRUPOS"}, {"FechaPub", "01/02/2002"}, {"PaisPub", "CHILE"}, {"Editorial", "AMS"}}},
    {"Trab", 1, {{"Trabajo", "REDES"}, {"Lugar", "OAXACA"}, {"FechaCong", "01/11/2002"}}},
    {"Tesis", 1, {{"Titulo", "GRAFOS"}, {"Nivel", "MAESTRÍA"}, {"FechaTes", "30/06/2004"}}},
};
const std::vector<Registro> kVitae3 = {
    {"Laboral", 1, {{"Instlaboral", "INSTITUTO DEL BAJÍO"}, {"Puestolaboral", "ANALISTA"}, {"FecLab_Ini", "01/02/2000"}, {"FecLab_Fin", "31/12/2003"}}},
    {"Asociaciones", 1, {{"NomAsociasion", "SOCIEDAD MATEMÁTICA"}}},
    {"Asociaciones", 2, {{"NomAsociasion", "AMC"}}},
    {"Idiomas", 1, {{"NomIdioma", "INGLÉS"}, {"Escritura", "100"}, {"Lectura", "80"}, {"Comprension", "90"}}},
    {"OtrasEst", 1, {{"Institucion", "CIDE"}, {"Tipo", "PUB"}, {"AnioIni", "2000"}, {"AnioFin", "2001"}, {"Carrera", "ECONOMÍA"}, {"Promedio", "09.25"}}},
};

QWidget *ventana(Entorno &e, const char *nombre)
{
    QWidget *w = e.inicial()->Forma(QLatin1String(nombre));
    if (!w)
        qFatal("no está abierta %s", nombre);
    return w;
}
} // namespace

class PruebaRecorrido : public QObject {
    Q_OBJECT
private slots:
    void llenaYReencuentraCadaRegistro()
    {
        Entorno e(true);
        conConvocatoria();
        muestraMarco(e);
        QTest::mouseClick(e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Curriculum")), Qt::LeftButton);

        QWidget *v1 = ventana(e, "W_Vitae1");
        teclea(v1, "Institucion", QStringLiteral("UNAM"));
        teclea(v1, "AnioIni", QStringLiteral("1994"));
        teclea(v1, "AnioFin", QStringLiteral("1998"));
        teclea(v1, "Carrera", QStringLiteral("FÍSICA"));
        teclea(v1, "Promedio", QStringLiteral("0900"));
        auto *maestria = control<QRadioButton>(v1, "Grados1");
        QTest::mouseClick(maestria, Qt::LeftButton, {}, QPoint(6, maestria->height() / 2));
        teclea(v1, "Institucion", QStringLiteral("CINVESTAV"));
        teclea(v1, "Promedio", QStringLiteral("0950"));
        llena(v1, kVitae1);
        QTest::mouseClick(control<QPushButton>(v1, "Btn_Siguiente"), Qt::LeftButton);

        QWidget *v2 = ventana(e, "W_Vitae2");
        llena(v2, kVitae2);
        QTest::mouseClick(control<QPushButton>(v2, "Btn_Siguiente"), Qt::LeftButton);

        QWidget *v3 = ventana(e, "W_Vitae3");
        llena(v3, kVitae3);
        QTest::mouseClick(control<QCheckBox>(v3, "SNI"), Qt::LeftButton, {}, QPoint(6, 8));
        teclea(v3, "Fecini_sni", QStringLiteral("01022001"));
        teclea(v3, "fecfin_sni", QStringLiteral("31012004"));
        teclea(v3, "ExpSni", QStringLiteral("123456"));
        QTest::mouseClick(control<QPushButton>(v3, "Btn_Guardar"), Qt::LeftButton);
        QVERIFY(!abierta(e, "W_Vitae3"));
        // Sólo avisos esperados: el recordatorio del promedio al entrar en blanco, dos veces.
        for (const QString &t : e.dialogos().textos())
            QCOMPARE(t, QStringLiteral("El promedio tiene que ser un valor numerico en el intervalo [8,10]"));

        // Reabiertas, cada registro está en su número.
        QTest::mouseClick(e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Curriculum")), Qt::LeftButton);
        v1 = ventana(e, "W_Vitae1");
        QCOMPARE(control<QLineEdit>(v1, "Institucion")->text(), QStringLiteral("UNAM"));
        QCOMPARE(mascara(v1, "Promedio"), QStringLiteral("09.00"));
        revisa(v1, kVitae1);
        maestria = control<QRadioButton>(v1, "Grados1");
        QTest::mouseClick(maestria, Qt::LeftButton, {}, QPoint(6, maestria->height() / 2));
        QCOMPARE(control<QLineEdit>(v1, "Institucion")->text(), QStringLiteral("CINVESTAV"));
        QTest::mouseClick(control<QPushButton>(v1, "Btn_Siguiente"), Qt::LeftButton);
        v2 = ventana(e, "W_Vitae2");
        revisa(v2, kVitae2);
        QTest::mouseClick(control<QPushButton>(v2, "Btn_Siguiente"), Qt::LeftButton);
        v3 = ventana(e, "W_Vitae3");
        revisa(v3, kVitae3);
        QVERIFY(control<QCheckBox>(v3, "SNI")->isChecked());
        QCOMPARE(mascara(v3, "ExpSni"), QStringLiteral("123456"));
        QCOMPARE(mascara(v3, "Fecini_sni"), QStringLiteral("01/02/2001"));

        // Lo guardado, contado por lista: nada de más por los recorridos.
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,count(*) From Trabajo Group by Tipo Order by Tipo")),
                 QStringLiteral("ASO|2,BEC|2,CON|1,IDI|1,PUB|2,REC|1,TES|1,TRA|1"));
        QCOMPARE(unaFila(QStringLiteral("Select Nivel,secuencia From Escolar Order by secuencia,Nivel")), QStringLiteral("LIC|1,OTR|1,MAE|2"));
    }
};

REGISTRA_PRUEBA(PruebaRecorrido)
#include "PruebaRecorrido.moc"
