// El camino completo de un solicitante nuevo, sólo con las ventanas: desde el programa vacío
// llena sus datos generales, domicilios, familiar para accidentes y datos académicos; un
// primer formato sale como borrador porque falta el currículum; lo llena, la revisión ya no
// encuentra nada, los datos generales salen sin la leyenda de borrador, un repaso de todas
// las ventanas no cambia nada y la entrega queda, legible, en la memoria de la unidad a:.
#include "academic/Acad1.h"
#include "academic/Acad2.h"
#include "academic/Acad3.h"
#include "academic/Acad4.h"
#include "academic/ApoyoAcad.h"
#include "academic/GrupoRadio.h"
#include "admin/Entrega.h"
#include "admin/U_Admon.h"
#include "admin/U_gendsk.h"
#include "curriculum/AyudaVitae.h"
#include "personal/Ayuda.h"
#include "platform/Esquema.h"
#include "platform/paradox/Paradox.h"
#include "platform/volumenes/Volumenes.h"
#include "review/U_incon.h"
#include "support/Memoria.h"

#include <QDir>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

// Un paso del recorrido: si falló, no sigue.
#define PASO(llamada)                      \
    do {                                   \
        llamada;                           \
        if (QTest::currentTestFailed())    \
            return;                        \
    } while (false)

namespace {

const QString kPromedio = QStringLiteral("El promedio tiene que ser un valor numerico en el intervalo [8,10]");
const QString kExtranjero = QStringLiteral("¿Usted cuenta ya cuenta con domicilio en el extranjero?");
const QString kExito = QStringLiteral("Información cargada exitósamente");
const QString kBorrador = QStringLiteral("Debe corregir las inconsistencias, para poder generar las impresiones sin la leyenda de borrador");
const QString kRotule = QStringLiteral("Rotule el diskette y entreguelo a TALVERO");

// Lo que el usuario hace con las ventanas modales en cuanto aparecen: sale de la revisión
// (anotando lo que decía) y, en la de entrega, elige a:, respalda, da OK y cierra.
struct Usuario {
    QTimer timer;
    QStringList revision;         // el reporte de la última revisión
    int revisiones = 0;
    QString pideDisco;            // texto de la ventana de entrega tras "Respaldar"
    QString finEntrega;           // y tras "OK"
    int entregas = 0;
    Usuario()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (TW_Incon *w = W_Incon(); w && w->isVisible()) {
                ++revisiones;
                revision = w->Memo1->toPlainText().split(u'\n');
                w->Button2->click();
                return;
            }
            for (QWidget *t : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<TW_GenDsk *>(t); d && d->isVisible() && QApplication::activeModalWidget() == d)
                    entrega(d);
        });
        timer.start();
    }
    void entrega(TW_GenDsk *d)
    {
        ++entregas;
        QComboBox *c = d->DriveComboBox1;
        const int i = c->findData(QStringLiteral("a"));
        if (i >= 0) {
            c->setCurrentIndex(i);
            emit c->activated(i);
        }
        d->Btn_Respaldar->click();   // pide el disco
        pideDisco = d->Texto();
        d->Btn_Respaldar->click();   // "OK": copia
        finEntrega = d->Texto();
        d->Btn_Cerrar->click();
    }
};

// La vista previa del reporte, sin el diálogo modal: se guarda el documento mostrado.
struct Vista {
    QList<QPair<QString, Informe::Documento>> mostrados;
    Vista()
    {
        TW_Admon::Vista_Previa = [this](const QString &reporte, const Informe::Documento &d, QWidget *) {
            mostrados.append({reporte, d});
        };
    }
    ~Vista() { TW_Admon::Vista_Previa = nullptr; }
};

QWidget *forma(const char *nombre) { return W_Inicial()->Forma(QLatin1String(nombre)); }

void botonDelMarco(Entorno &e, const char *nombre)
{
    QTest::mouseClick(e.inicial()->findChild<QToolButton *>(QLatin1String(nombre)), Qt::LeftButton);
    ApoyoAcad::procesa();
}

// Teclea y sale del campo, como con Tab.
void captura(QWidget *w, const char *campo, const QString &texto)
{
    Ayuda::escribe(w, campo, texto);
    Ayuda::sal(w, campo);
}

// --- Datos personales ------------------------------------------------------------------------

// Convocatoria, nombre, nacimiento (el programa propone el RFC), soltera, lugar de nacimiento y CURP.
void datosGenerales()
{
    QWidget *g = forma("W_Generales");
    QVERIFY(g);
    const QString convocatoria = Entorno::valor(QStringLiteral("Select Descripcion From Convocatoria Where Clave=482")).toString();
    QVERIFY(Ayuda::elige(g, "CB_Conv", convocatoria));
    captura(g, "Nombre_1", QStringLiteral("maría"));
    captura(g, "Nombre_2", QStringLiteral("inés"));
    captura(g, "Paterno", QStringLiteral("núñez"));
    captura(g, "Materno", QStringLiteral("o'brien"));
    captura(g, "Fec_Nac", QStringLiteral("05031975"));
    // La propuesta del RFC (la acepta tal cual) ya lleva la fecha de nacimiento.
    QVERIFY(Ayuda::texto(g, "E_RFC").endsWith(QStringLiteral("OM750305")));
    Ayuda::opcion(g, "Sexo", 0);
    Ayuda::opcion(g, "Edo_Civil", 1);
    QVERIFY(Ayuda::elige(g, "CB_PaisNac", QStringLiteral("México")));
    QVERIFY(Ayuda::elige(g, "CB_EstadoNac", QStringLiteral("Jalisco")));
    QVERIFY(Ayuda::elige(g, "CB_CiudadNac", QStringLiteral("Zapopan")));
    captura(g, "E_Curp", QStringLiteral("NUOM750305MJCXXR09"));
    Ayuda::pulsa(g, "Btn_Sig");
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_Generales"));
}

// Un domicilio nacional: calle, números, colonia, C.P., estado, ciudad y municipio.
void domicilioNacional(QWidget *d, const QString &calle, const QString &ciudad)
{
    captura(d, "Calle", calle);
    captura(d, "Exterior", QStringLiteral("1234"));
    captura(d, "Interior", QStringLiteral("3B"));
    captura(d, "Colonia", QStringLiteral("ladrón de guevara"));
    captura(d, "CP", QStringLiteral("44600"));
    QVERIFY(Ayuda::elige(d, "CB_Estado", QStringLiteral("Jalisco")));
    QVERIFY(Ayuda::elige(d, "CB_Ciudad", ciudad));
    QVERIFY(Ayuda::elige(d, "CB_Municipio", ciudad));
    captura(d, "Telefono", QStringLiteral("033336151234"));
}

// Domicilio actual, con el correo y la fecha hasta la que recibe correspondencia ahí.
void domicilioActual()
{
    QWidget *d = forma("W_DirAct");
    QVERIFY(d);
    QCOMPARE(Ayuda::etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio Actual"));
    domicilioNacional(d, QStringLiteral("av. méxico"), QStringLiteral("Guadalajara"));
    if (QTest::currentTestFailed())
        return;
    captura(d, "e_mail", QStringLiteral("maria.nunez@correo.mx"));
    captura(d, "Fec_Corresp", QStringLiteral("30112004"));
    Ayuda::pulsa(d, "Btn_Sig");
    ApoyoAcad::procesa();
}

// Sin hijos: pasa al familiar para accidentes y captura su nombre, nacimiento y sexo.
void familiarParaAccidentes()
{
    QWidget *p = forma("W_Dependiente");
    QVERIFY(p);
    QVERIFY(!Ayuda::visible(p, "Deps"));     // soltera: no se ofrece cónyuge
    Ayuda::pulsa(p, "Btn_Siguiente");
    QCOMPARE(Ayuda::etiqueta(p, "L_Dependiente"), QStringLiteral("Familiar a quien contactar en caso de Accidente"));
    captura(p, "Nombre_1", QStringLiteral("rosa"));
    captura(p, "Paterno", QStringLiteral("núñez"));
    captura(p, "Materno", QStringLiteral("peña"));
    captura(p, "Fec_nac", QStringLiteral("12041950"));
    Ayuda::opcion(p, "Sexo", 0);
    Ayuda::pulsa(p, "Btn_Siguiente");
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_Dependiente"));
}

// Domicilio del familiar; todavía no tiene domicilio en el extranjero.
void domicilioDelFamiliar(Entorno &e)
{
    QWidget *d = forma("W_DirAct");
    QVERIFY(d);
    QCOMPARE(Ayuda::etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio donde contactar en caso de accidente"));
    domicilioNacional(d, QStringLiteral("morelos"), QStringLiteral("Zapopan"));
    if (QTest::currentTestFailed())
        return;
    e.dialogos().siguienteRespuesta(false);
    Ayuda::pulsa(d, "Btn_Sig");
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_DirAct"));
}

// --- Datos académicos -------------------------------------------------------------------------

// Área, disciplina, subdisciplina y los grados que busca.
void programaSolicitado(Entorno &e)
{
    botonDelMarco(e, "SB_Academico");
    auto *a1 = ApoyoAcad::abierta<TW_DatAcad1>("W_DatAcad1");
    QVERIFY(a1);
    QVERIFY(ApoyoAcad::elige(a1->CB_Area, QStringLiteral("Ingenierías")));
    QVERIFY(a1->CB_Disc->count() > 0);
    ApoyoAcad::eligeIndice(a1->CB_Disc, 0);
    ApoyoAcad::teclea(a1->SubDisciplina, QStringLiteral("robótica móvil"));
    ApoyoAcad::sal(a1->SubDisciplina);
    QVERIFY(ApoyoAcad::elige(a1->CB_GdoIni, QStringLiteral("Doctorado")));
    QVERIFY(ApoyoAcad::elige(a1->CB_GdoFin, QStringLiteral("Doctorado")));
    QTest::mouseClick(a1->Btn_Sig, Qt::LeftButton);
    ApoyoAcad::procesa();
}

// Fecha tecleada y el campo dejado, como con Tab.
void fecha(EditMascara *campo, const QString &digitos)
{
    ApoyoAcad::teclea(campo, digitos);
    ApoyoAcad::sal(campo);
}

// Primera opción: institución, contacto, programa, fechas, meses y carta; la guarda.
void primeraOpcion()
{
    auto *a2 = ApoyoAcad::abierta<TW_DatAcad2>("W_DatAcad2");
    QVERIFY(a2);
    QCOMPARE(a2->opcionSeleccionada(), 1);
    QVERIFY(ApoyoAcad::elige(a2->CB_Pais, QStringLiteral("Japón")));
    QVERIFY(ApoyoAcad::elige(a2->CB_Institucion, QStringLiteral("Kyoto University")));
    a2->Contacto->boton(1)->click();
    ApoyoAcad::teclea(a2->Nom_contacto, QStringLiteral("hiroshi tanaka"));
    ApoyoAcad::teclea(a2->Puesto_Contacto, QStringLiteral("profesor"));
    a2->Programa->setFocus();
    Pruebas::escribe(a2->Programa, QStringLiteral("doctorado en ingeniería mecánica"));
    ApoyoAcad::sal(a2->Programa);
    fecha(a2->Fec_IniEst, QStringLiteral("01092004"));
    fecha(a2->Fec_FinEst, QStringLiteral("31082008"));
    fecha(a2->Fec_IniBeca, QStringLiteral("01092004"));
    fecha(a2->Fec_FinBeca, QStringLiteral("31082008"));
    ApoyoAcad::teclea(a2->Meses, QStringLiteral("48"));
    ApoyoAcad::sal(a2->Meses);
    a2->Carta->boton(1)->click();
    QTest::mouseClick(a2->Btn_Guardar, Qt::LeftButton);
    QVERIFY(a2->guardado());
    QVERIFY(a2->Btn_Dir->isEnabled());
}

// "Dirección": el domicilio de la institución (país, estado y ciudad en el extranjero).
void direccionDeLaInstitucion()
{
    auto *a2 = ApoyoAcad::abierta<TW_DatAcad2>("W_DatAcad2");
    QVERIFY(a2);
    QTest::mouseClick(a2->Btn_Dir, Qt::LeftButton);
    ApoyoAcad::procesa();
    QWidget *d = forma("W_DirAct");
    QVERIFY(d);
    captura(d, "Calle", QStringLiteral("yoshida-honmachi"));
    captura(d, "Exterior", QStringLiteral("36"));
    captura(d, "CP", QStringLiteral("6068501"));
    QVERIFY(Ayuda::elige(d, "CB_Estado", QStringLiteral("Japón")));
    QVERIFY(Ayuda::elige(d, "CB_Ciudad", QStringLiteral("Kyoto")));
    QVERIFY(Ayuda::elige(d, "CB_Municipio", QStringLiteral("Kioto")));
    Ayuda::pulsa(d, "Btn_Sig");
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_DirAct"));
}

// "Montos": manutención y colegiatura de la opción; "Guardar" regresa a las opciones.
void costosDeLaOpcion()
{
    auto *a2 = ApoyoAcad::abierta<TW_DatAcad2>("W_DatAcad2");
    QVERIFY(a2);
    QCOMPARE(a2->CB_Institucion->currentText(), QStringLiteral("Kyoto University"));
    QTest::mouseClick(a2->Btn_Montos, Qt::LeftButton);
    ApoyoAcad::procesa();
    auto *a3 = ApoyoAcad::abierta<TW_DatAcad3>("W_DatAcad3");
    QVERIFY(a3);
    QCOMPARE(a3->Nom_Institucion->text(), QStringLiteral("Kyoto University"));
    a3->RG_Man->boton(1)->click();
    ApoyoAcad::teclea(a3->MontoMan, QStringLiteral("1500"));
    a3->RG_Col->boton(1)->click();
    QVERIFY(a3->CB_MonCol->count() > 0);
    ApoyoAcad::eligeIndice(a3->CB_MonCol, 0);
    ApoyoAcad::teclea(a3->MontoCol, QStringLiteral("9000"));
    QTest::mouseClick(a3->Btn_Guardar, Qt::LeftButton);
    ApoyoAcad::procesa();
    QVERIFY(!ApoyoAcad::abierta<TW_DatAcad3>("W_DatAcad3"));
}

// "Siguiente" lleva a los motivos: escribe los tres y guarda.
void motivos()
{
    auto *a2 = ApoyoAcad::abierta<TW_DatAcad2>("W_DatAcad2");
    QVERIFY(a2);
    QTest::mouseClick(a2->Btn_Siguiente, Qt::LeftButton);
    ApoyoAcad::procesa();
    auto *a4 = ApoyoAcad::abierta<TW_DatAcad4>("W_DatAcad4");
    QVERIFY(a4);
    const std::pair<EditMemo *, QString> textos[] = {
        {a4->DB_MotivosA, QStringLiteral("la robótica es un área estratégica para el país")},
        {a4->DB_MotivosB, QStringLiteral("kioto tiene el laboratorio líder en robots móviles")},
        {a4->DB_MotivosC, QStringLiteral("volver a guadalajara a formar un grupo de investigación")}};
    for (const auto &[caja, texto] : textos) {
        caja->setFocus();
        Pruebas::escribe(caja, texto);
        ApoyoAcad::sal(caja);
    }
    QTest::mouseClick(a4->Btn_Guardar, Qt::LeftButton);
    ApoyoAcad::procesa();
    QVERIFY(!ApoyoAcad::abierta<TW_DatAcad4>("W_DatAcad4"));
}

// --- Currículum ---------------------------------------------------------------------------------

// Antecedentes escolares: la licenciatura, pública, con promedio de 9.
void antecedentesEscolares(Entorno &e)
{
    Vitae::muestraMarco(e);
    botonDelMarco(e, "SB_Curriculum");
    QWidget *v1 = forma("W_Vitae1");
    QVERIFY(v1);
    Vitae::teclea(v1, "Institucion", QStringLiteral("universidad de guadalajara"));
    auto *tipo = Vitae::control<QComboBox>(v1, "Tipo");
    tipo->setFocus();
    while (tipo->currentText() != u"PUB" && tipo->currentIndex() > 0)
        QTest::keyClick(tipo, Qt::Key_Up);
    QCOMPARE(tipo->currentText(), QStringLiteral("PUB"));
    Vitae::teclea(v1, "AnioIni", QStringLiteral("1993"));
    Vitae::teclea(v1, "AnioFin", QStringLiteral("1998"));
    Vitae::teclea(v1, "Carrera", QStringLiteral("ingeniería mecánica"));
    Vitae::teclea(v1, "Promedio", QStringLiteral("0900"));
    // Deja el promedio para completar la carrera.
    Vitae::teclea(v1, "Carrera", QStringLiteral("ingeniería mecánica eléctrica"));
    QTest::mouseClick(Vitae::control<QPushButton>(v1, "Btn_Siguiente"), Qt::LeftButton);
    ApoyoAcad::procesa();
}

// Publicaciones: no tiene; sigue a la última ventana.
void publicaciones()
{
    QWidget *v2 = forma("W_Vitae2");
    QVERIFY(v2);
    QTest::mouseClick(Vitae::control<QPushButton>(v2, "Btn_Siguiente"), Qt::LeftButton);
    ApoyoAcad::procesa();
}

// Experiencia: un idioma (inglés) con sus tres porcentajes, y guarda.
void experienciaEIdiomas()
{
    QWidget *v3 = forma("W_Vitae3");
    QVERIFY(v3);
    Vitae::selecciona(v3, "Idiomas", 1);
    Vitae::teclea(v3, "NomIdioma", QStringLiteral("inglés"));
    Vitae::teclea(v3, "Escritura", QStringLiteral("90"));
    Vitae::teclea(v3, "Lectura", QStringLiteral("95"));
    Vitae::teclea(v3, "Comprension", QStringLiteral("90"));
    QTest::mouseClick(Vitae::control<QPushButton>(v3, "Btn_Guardar"), Qt::LeftButton);
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_Vitae3"));
}

// Lo tecleado quedó guardado tal cual en cada tabla.
void loCapturado()
{
    const std::pair<const char *, const char *> casos[] = {
        {"Select Tipo,Nombre_1,Nombre_2,Paterno,Materno,Sexo,Fec_nac,Curp From Persona Order by Clave",
         "SOL|MARÍA|INÉS|NÚÑEZ|O'BRIEN|F|05/03/1975|NUOM750305MJCXXR09,ACC|ROSA||NÚÑEZ|PEÑA|F|12/04/1950|NULL"},
        {"Select c.Nombre,p.Edo_civil From Persona p Join Cat_Ciudad c On c.Clave=p.Ciudad_nac Where p.Tipo='SOL'",
         "Zapopan|S"},
        {"Select d.Tipo,Calle,Numero,Interior,Colonia,Cp,c.Nombre,Telefono,Correo,Institucion_clave From Domicilio d "
         "Join Cat_Ciudad c On c.Clave=d.Ciudad_Clave Order by d.Clave",
         "ACT|AV. MÉXICO|1234|3B|LADRÓN DE GUEVARA|44600|Guadalajara|(0333)3615-1234|maria.nunez@correo.mx|0,"
         "ACC|MORELOS|1234|3B|LADRÓN DE GUEVARA|44600|Zapopan|(0333)3615-1234||0,"
         "OP1|YOSHIDA-HONMACHI|36|||6068501|Kioto|(    )    -    ||1106"},
        {"Select Convocatoria,Fec_correspondencia,Area,Subdisciplina,Grado_ini,Grado_fin,"
         "Motivos_A<>'' And Motivos_B<>'' And Motivos_C<>'' From General",
         "482|30/11/2004|7|ROBÓTICA MÓVIL|25|25|1"},
        {"Select Clave,Escuela,Persona_contacto,Puesto_contacto,Tiempo_prom_grado,Carta_aceptacion,Fec_ini_est,"
         "Fec_fin_est,Fecha_ini,Fecha_fin,Total_man,Total_col From Beca",
         "1|1106|HIROSHI TANAKA|PROFESOR|48|S|01/09/2004|31/08/2008|01/09/2004|31/08/2008|1500|9000"},
        {"Select Nivel,Nombre,Tipo,Fecha_ini,Fecha_fin,Carrera,Promedio From Escolar",
         "LIC|UNIVERSIDAD DE GUADALAJARA|PUB|01/01/1993|01/01/1998|INGENIERÍA MECÁNICA ELÉCTRICA|9"},
        {"Select Tipo,Titulo,Escritura,Lectura,Comprension From Trabajo", "IDI|INGLÉS|90|95|90"},
    };
    for (const auto &[consulta, esperado] : casos)
        QCOMPARE(Vitae::unaFila(QString::fromUtf8(consulta)), QString::fromUtf8(esperado));
}

// --- De vuelta ----------------------------------------------------------------------------------

// Todo lo capturado de la solicitud, renglón por renglón.
QString solicitud()
{
    QStringList r;
    for (const char *t : {"General", "Persona", "Domicilio", "Beca", "Escolar", "Trabajo"})
        r << QLatin1String(t) + u':' + Vitae::unaFila(QStringLiteral("Select * From %1 Order by Clave").arg(QLatin1String(t)));
    return r.join(u'\n');
}

// Antes de entregar repasa sus datos personales: "Generales" y "Siguiente" hasta el final,
// sin cambiar nada.
void repasoPersonal(Entorno &e)
{
    botonDelMarco(e, "SB_General");
    QWidget *g = forma("W_Generales");
    QVERIFY(g);
    QCOMPARE(Ayuda::texto(g, "Fec_Nac"), QStringLiteral("05/03/1975"));
    Ayuda::pulsa(g, "Btn_Sig");
    ApoyoAcad::procesa();
    QWidget *d = forma("W_DirAct");
    QVERIFY(d);
    QCOMPARE(Ayuda::texto(d, "Fec_Corresp"), QStringLiteral("30/11/2004"));
    Ayuda::pulsa(d, "Btn_Sig");
    ApoyoAcad::procesa();
    QWidget *p = forma("W_Dependiente");
    QVERIFY(p);
    Ayuda::pulsa(p, "Btn_Siguiente");
    QCOMPARE(Ayuda::texto(p, "Nombre_1"), QStringLiteral("ROSA"));
    Ayuda::pulsa(p, "Btn_Siguiente");
    ApoyoAcad::procesa();
    d = forma("W_DirAct");
    QVERIFY(d);
    QCOMPARE(Ayuda::texto(d, "Calle"), QStringLiteral("MORELOS"));
    e.dialogos().siguienteRespuesta(false);
    Ayuda::pulsa(d, "Btn_Sig");
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_DirAct"));
}

// Y los académicos y el currículum: cada ventana muestra lo suyo y la recorre sin cambios.
void repasoAcademicoYCurriculum(Entorno &e)
{
    botonDelMarco(e, "SB_Academico");
    auto *a1 = ApoyoAcad::abierta<TW_DatAcad1>("W_DatAcad1");
    QVERIFY(a1);
    QCOMPARE(a1->SubDisciplina->text(), QStringLiteral("ROBÓTICA MÓVIL"));
    QTest::mouseClick(a1->Btn_Sig, Qt::LeftButton);
    ApoyoAcad::procesa();
    auto *a2 = ApoyoAcad::abierta<TW_DatAcad2>("W_DatAcad2");
    QVERIFY(a2);
    QCOMPARE(a2->Fec_FinBeca->texto(), QStringLiteral("31/08/2008"));
    QTest::mouseClick(a2->Btn_Siguiente, Qt::LeftButton);
    ApoyoAcad::procesa();
    auto *a4 = ApoyoAcad::abierta<TW_DatAcad4>("W_DatAcad4");
    QVERIFY(a4);
    QTest::mouseClick(a4->Btn_Guardar, Qt::LeftButton);
    ApoyoAcad::procesa();

    botonDelMarco(e, "SB_Curriculum");
    QWidget *v1 = forma("W_Vitae1");
    QVERIFY(v1);
    QCOMPARE(Vitae::mascara(v1, "Promedio"), QStringLiteral("09.00"));
    for (const char *ventana : {"W_Vitae1", "W_Vitae2"}) {
        QWidget *v = forma(ventana);
        QVERIFY2(v, ventana);
        QTest::mouseClick(Vitae::control<QPushButton>(v, "Btn_Siguiente"), Qt::LeftButton);
        ApoyoAcad::procesa();
    }
    QWidget *v3 = forma("W_Vitae3");
    QVERIFY(v3);
    QCOMPARE(Vitae::control<QLineEdit>(v3, "NomIdioma")->text(), QStringLiteral("INGLÉS"));
    QTest::mouseClick(Vitae::control<QPushButton>(v3, "Btn_Guardar"), Qt::LeftButton);
    ApoyoAcad::procesa();
    QVERIFY(!forma("W_Vitae3"));
}

// Repasar sin cambiar nada deja la solicitud exactamente como estaba.
void repaso(Entorno &e)
{
    const QString antes = solicitud();
    PASO(repasoPersonal(e));
    PASO(repasoAcademicoYCurriculum(e));
    const QString despues = solicitud();
    QVERIFY2(antes == despues, qPrintable(antes + QStringLiteral("\n---\n") + despues));
}

// --- Administración ---------------------------------------------------------------------------

TW_Admon *administracion(Entorno &e)
{
    botonDelMarco(e, "SB_Admon");
    return qobject_cast<TW_Admon *>(forma("W_Admon"));
}

// "Datos Generales": la revisión corre antes y el formato se muestra; `d` es lo mostrado.
void imprimeDatosGenerales(Entorno &e, Informe::Documento &d)
{
    TW_Admon *w = administracion(e);
    QVERIFY(w);
    Vista vista;
    QTest::mouseClick(w->Btn_ImpDatGral, Qt::LeftButton);
    ApoyoAcad::procesa();
    QCOMPARE(vista.mostrados.size(), 1);
    QCOMPARE(vista.mostrados.first().first, QStringLiteral("generales"));
    d = vista.mostrados.first().second;
    QVERIFY(!d.paginas.isEmpty());
    QVERIFY(d.paginas.first().contenido().contains(QStringLiteral("NÚÑEZ")));
}

// Antes del currículum quiere ver cómo va: la revisión sólo pide la licenciatura y el
// formato sale como borrador.
void borradorSinCurriculum(Entorno &e, Usuario &usuario)
{
    Informe::Documento d;
    PASO(imprimeDatosGenerales(e, d));
    QCOMPARE(usuario.revisiones, 1);
    QCOMPARE(usuario.revision, (QStringList{QStringLiteral("Reporte de Inconsistencias"),
                                            QStringLiteral("Falta capturar la licenciatura en antecedentes escolares ")}));
    QVERIFY(d.paginas.first().contenido().contains(QStringLiteral("BORRADOR")));
}

// Con todo capturado: "No hay Inconsistencias" y el formato sale sin "BORRADOR".
void formatoFinal(Entorno &e, Usuario &usuario)
{
    Informe::Documento d;
    PASO(imprimeDatosGenerales(e, d));
    QCOMPARE(usuario.revisiones, 2);
    QVERIFY2(usuario.revision.value(0) == u"No hay Inconsistencias", qPrintable(usuario.revision.join(u'\n')));
    for (const Informe::Pagina &p : d.paginas)
        QVERIFY(!p.contenido().contains(QStringLiteral("BORRADOR")));
    QVERIFY(d.paginas.first().contenido().contains(QStringLiteral("TALVERO")));
}

// "Generar Disco para TALVERO" → a: → "Respaldar" → OK → "Cerrar".
void entrega(Entorno &e, Usuario &usuario, const Memoria &memoria)
{
    TW_Admon *w = administracion(e);
    QVERIFY(w);
    QTest::mouseClick(w->btn_GenDisCON, Qt::LeftButton);
    ApoyoAcad::procesa();
    QCOMPARE(usuario.revisiones, 3);
    QCOMPARE(usuario.revision.value(0), QStringLiteral("No hay Inconsistencias"));
    QCOMPARE(usuario.entregas, 1);
    QCOMPARE(usuario.pideDisco, QStringLiteral("Introduzca disco y oprima OK"));
    QCOMPARE(usuario.finEntrega, kExito);

    // En la memoria están los archivos de la entrega, sin temporales, y se leen como la base.
    QStringList esperados;
    for (const Entrega::Archivo &a : Entrega::archivos(482))
        esperados << a.nombre;
    esperados << QStringLiteral("entrega.sha256");   // el recibo, escrito al final
    esperados.sort();
    QStringList hay = QDir(memoria.raiz()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(hay, esperados);
    for (const Esquema::Tabla *t : Entrega::tablas(482)) {
        Paradox::verificaTabla(*t, memoria.raiz());
        const auto leida = Paradox::leeTabla(memoria.raiz() + u'/' + QLatin1String(t->archivo) + QStringLiteral(".db"));
        QCOMPARE(leida.filas, Paradox::filasDeBase(*t));
    }
    const auto persona = Paradox::leeTabla(memoria.raiz() + QStringLiteral("/Persona.db"));
    QCOMPARE(persona.filas.size(), 2);
    QCOMPARE(persona.filas.first().at(3).toString(), QStringLiteral("NÚÑEZ"));
    QCOMPARE(persona.filas.first().at(4).toString(), QStringLiteral("O'BRIEN"));
}

} // namespace

class PruebaRecorrido : public QObject {
    Q_OBJECT
private slots:
    void solicitudCompletaHastaLaEntrega()
    {
        Memoria memoria;
        Entorno e(true);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
        Ayuda::marco(e, false);
        Vitae::muestraMarco(e);
        Usuario usuario;

        PASO(datosGenerales());
        PASO(domicilioActual());
        PASO(familiarParaAccidentes());
        PASO(domicilioDelFamiliar(e));
        PASO(programaSolicitado(e));
        PASO(primeraOpcion());
        PASO(costosDeLaOpcion());
        PASO(direccionDeLaInstitucion());
        PASO(motivos());
        PASO(borradorSinCurriculum(e, usuario));
        PASO(antecedentesEscolares(e));
        PASO(publicaciones());
        PASO(experienciaEIdiomas());
        PASO(loCapturado());
        PASO(formatoFinal(e, usuario));
        PASO(repaso(e));
        PASO(entrega(e, usuario, memoria));

        // Sólo los mensajes del camino: la pregunta por el domicilio en el extranjero (al
        // capturar y al repasar), el aviso del borrador, el recordatorio al entrar al promedio
        // vacío y el de rotular el disco.
        const QStringList esperados{kExtranjero, kBorrador, kPromedio, kExtranjero, kRotule};
        QVERIFY2(e.dialogos().textos() == esperados, qPrintable(e.dialogos().textos().join(u'\n')));
        QCOMPARE(e.dialogos().sinRespuesta(), 0);
    }
};

REGISTRA_PRUEBA(PruebaRecorrido)
#include "PruebaRecorrido.moc"
