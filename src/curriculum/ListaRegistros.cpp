#include "curriculum/ListaRegistros.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Errores.h"
#include "platform/Fechas.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>

namespace CamposVitae {

QString texto(const CampoLista &c)
{
    if (auto *m = qobject_cast<EditMascara *>(c.control))
        return m->texto();
    if (auto *e = qobject_cast<QLineEdit *>(c.control))
        return e->text();
    if (auto *cb = qobject_cast<QComboBox *>(c.control))
        return cb->currentIndex() < 0 ? QString() : cb->currentText();
    if (auto *ch = qobject_cast<QCheckBox *>(c.control))
        return ch->isChecked() ? QStringLiteral("S") : QStringLiteral("N");
    return {};
}

QString textoPromedio(const QString &mascara)
{
    const int punto = int(mascara.indexOf(u'.'));
    if (punto < 0)
        return mascara.trimmed();
    return mascara.left(punto).trimmed() + u'.' + mascara.mid(punto + 1).trimmed();
}

std::optional<double> numeroPromedio(const QString &texto)
{
    bool ok = false;
    const double d = texto.toDouble(&ok);   // siempre con "." como separador
    if (!ok)
        return std::nullopt;
    return d;
}

Leido<QString> fechaDeAnio(const QString &anio)
{
    const QString a = anio.trimmed();
    if (a.isEmpty())
        return {};
    static const QRegularExpression cuatro(QStringLiteral("^[0-9]{4}$"));
    if (!cuatro.match(a).hasMatch())
        return {std::nullopt, QStringLiteral("El año que ingreso no es válido, es necesario que sean cuatro digitos en el año")};
    // El año 0000 no existe: la base lo admitiría, pero la entrega no podría escribir esa fecha.
    const QString fecha = QStringLiteral("01/01/") + a;
    if (!Fechas::lee(fecha).isValid())
        return {std::nullopt, QStringLiteral("El año que ingreso no es válido, el año 0000 no existe")};
    return {fecha, {}};
}

Leido<QString> fechaReal(const QString &texto)
{
    if (Fechas::vacia(texto))
        return {};
    if (const auto f = Fechas::normaliza(texto))
        return {*f, {}};
    QString m = Fechas::mensaje(Fechas::revisa(texto));
    if (m.isEmpty())
        m = QStringLiteral("La fecha que ingreso no es válida, es necesario que sea dd/mm/aaaa");
    return {std::nullopt, m};
}

namespace {
// Una fecha leída como valor de la columna: en blanco, NULL.
Leido<QVariant> comoValor(const Leido<QString> &f)
{
    if (f.detenido())
        return {std::nullopt, f.aviso};
    return {f.valor ? QVariant(*f.valor) : QVariant(), {}};
}
} // namespace

Leido<QVariant> valor(const CampoLista &c)
{
    const QString t = texto(c);
    switch (c.clase) {
    case Clase::Texto:
    case Clase::Opcion:
    case Clase::Titulado:
        return {QVariant(t), {}};
    case Clase::Recortado:
        return {QVariant(t.trimmed()), {}};
    case Clase::Entero: {
        bool ok = false;
        const qint64 n = t.trimmed().toLongLong(&ok);
        if (!ok)
            return {};
        return {QVariant(n), {}};
    }
    case Clase::Fecha:
        return comoValor(fechaReal(t));
    case Clase::Anio:
        return comoValor(fechaDeAnio(t));
    case Clase::Promedio: {
        const auto n = numeroPromedio(textoPromedio(t));
        if (!n)
            return {};
        return {QVariant(*n), {}};
    }
    }
    return {};
}

Leido<QVariant> valorConFoco(const CampoLista &c)
{
    Leido<QVariant> v = valor(c);
    if (v.detenido()) {
        dialogos().aviso(v.aviso);
        c.control->setFocus();   // al campo que hay que corregir
    }
    return v;
}

void muestra(const CampoLista &c, const Campo &guardado)
{
    const QString t = guardado.texto();
    switch (c.clase) {
    case Clase::Texto:
    case Clase::Recortado:
    case Clase::Entero:
        if (auto *m = qobject_cast<EditMascara *>(c.control))
            m->ponTexto(t);
        else if (auto *e = qobject_cast<QLineEdit *>(c.control))
            e->setText(t);
        break;
    case Clase::Fecha:
        if (auto *m = qobject_cast<EditMascara *>(c.control)) {
            if (!t.trimmed().isEmpty())
                m->ponTexto(t);
            else if (c.hoySiVacia)
                m->ponTexto(Fechas::propuesta());
        }
        break;
    case Clase::Anio:
        if (auto *m = qobject_cast<EditMascara *>(c.control))
            m->ponTexto(Fechas::anio(t));
        break;
    case Clase::Promedio:
        if (auto *m = qobject_cast<EditMascara *>(c.control))
            m->ponTexto(guardado.nulo() ? QString() : QString::asprintf("%05.2f", guardado.flotante()));
        break;
    case Clase::Opcion:
        // Un valor que no está entre los elementos elige el último ("CAPITULO", "PRV").
        if (auto *cb = qobject_cast<QComboBox *>(c.control)) {
            const int i = cb->findText(t);
            const QSignalBlocker b(cb);
            cb->setCurrentIndex(i >= 0 ? i : cb->count() - 1);
        }
        break;
    case Clase::Titulado:
        if (auto *ch = qobject_cast<QCheckBox *>(c.control))
            ch->setChecked(t != QStringLiteral("N"));
        break;
    }
}

void limpia(const CampoLista &c)
{
    if (!c.seLimpia)
        return;
    if (auto *m = qobject_cast<EditMascara *>(c.control))
        m->clear();
    else if (auto *e = qobject_cast<QLineEdit *>(c.control))
        e->clear();
    else if (auto *cb = qobject_cast<QComboBox *>(c.control)) {
        const QSignalBlocker b(cb);
        cb->setCurrentIndex(-1);
    } else if (auto *ch = qobject_cast<QCheckBox *>(c.control))
        ch->setChecked(false);
}

} // namespace CamposVitae

using namespace CamposVitae;

ListaRegistros::ListaRegistros(QSpinBox *selector, DefinicionLista definicion, Consulta &auxVentana, QObject *parent)
    : QObject(parent), m_selector(selector), m_def(std::move(definicion)), m_auxVentana(auxVentana)
{
    m_consulta.ponSql(sentenciaSelect());
    m_consulta.parametro(QStringLiteral("codigo"), m_def.codigo);
    connect(m_selector, &QSpinBox::valueChanged, this, [this](int n) { ejecutaProtegido([this, n] { cambio(n); }); });
}

QString ListaRegistros::sentenciaSelect() const
{
    QStringList columnas{QStringLiteral("Clave")};
    for (const CampoLista &c : m_def.campos)
        columnas << c.columna;
    columnas << QStringLiteral("secuencia");
    // Clave desempata dos filas con el mismo número, para que cada posición sea siempre la misma fila.
    return QStringLiteral("Select %1 From %2 Where %3=:codigo Order by secuencia,Clave")
        .arg(columnas.join(u','), m_def.tabla, m_def.columnaTipo);
}

QString ListaRegistros::sentenciaInsert() const
{
    QStringList columnas{QStringLiteral("clave"), m_def.columnaTipo};
    QStringList valores{QStringLiteral(":clave"), QStringLiteral(":codigo")};
    for (const CampoLista &c : m_def.campos) {
        columnas << c.columna;
        valores << u':' + c.columna.toLower();
    }
    columnas << QStringLiteral("secuencia");
    valores << QStringLiteral(":secuencia");
    return QStringLiteral("Insert into %1 (%2) values (%3)").arg(m_def.tabla, columnas.join(u','), valores.join(u','));
}

QString ListaRegistros::sentenciaUpdate() const
{
    QStringList asignaciones;
    for (const CampoLista &c : m_def.campos)
        asignaciones << c.columna + QStringLiteral("=:") + c.columna.toLower();
    if (m_def.renumeraAlActualizar)
        asignaciones << QStringLiteral("secuencia=:secuencia");
    return QStringLiteral("Update %1 Set %2 Where Clave=:clave").arg(m_def.tabla, asignaciones.join(u','));
}

bool ListaRegistros::muestra(int n)
{
    if (n == 0) {
        limpia();
        m_clave = 0;
        return false;
    }
    m_consulta.abre();
    m_consulta.mueveA(n - 1);   // se detiene en la última fila
    for (const CampoLista &c : m_def.campos)
        CamposVitae::muestra(c, m_consulta.campo(c.columna));
    if (m_consulta.cuenta() < n) {
        limpia();
        m_clave = 0;
        return false;
    }
    m_clave = m_consulta.campo(QStringLiteral("Clave")).entero();
    return true;
}

void ListaRegistros::habilita(bool si)
{
    for (const CampoLista &c : m_def.campos)
        c.control->setEnabled(si);
}

void ListaRegistros::limpia()
{
    for (const CampoLista &c : m_def.campos)
        CamposVitae::limpia(c);
}

bool ListaRegistros::valida() const
{
    for (const CampoLista &c : m_def.campos)
        if (c.requerido && texto(c).trimmed().isEmpty())
            return false;
    return true;
}

bool ListaRegistros::algoCapturado() const
{
    for (const CampoLista &c : m_def.campos) {
        if (!c.seLimpia)
            continue;
        QString t = texto(c).trimmed();
        switch (c.clase) {
        case Clase::Promedio:
            t.remove(u'.');
            [[fallthrough]];
        case Clase::Texto:
        case Clase::Recortado:
        case Clase::Entero:
        case Clase::Anio:
            if (!t.trimmed().isEmpty())
                return true;
            break;
        case Clase::Fecha:
        case Clase::Opcion:
        case Clase::Titulado:
            break;
        }
    }
    return false;
}

CamposVitae::Paso ListaRegistros::guarda(QChar modo)
{
    if (!valida())
        return Paso::Fallo;
    QVariantHash p;
    bool convertible = true;
    for (const CampoLista &c : m_def.campos) {
        const auto v = valorConFoco(c);
        if (v.detenido())
            return Paso::Detenido;
        if (!v.valor)
            convertible = false;
        p.insert(c.columna.toLower(), v.valor.value_or(QVariant()));
    }
    p.insert(QStringLiteral("codigo"), m_def.codigo);
    p.insert(QStringLiteral("secuencia"), m_actual);
    try {
        if (!convertible)
            throw ErrorBase(QStringLiteral("valor no convertible"));
        auto &aux = W_DM()->Q_Aux;
        if (modo == u'I') {
            p.insert(QStringLiteral("clave"), W_Inicial()->Siguiente_Clave(m_def.tabla).toLongLong());
            aux.ejecuta(sentenciaInsert(), p);
        } else {
            p.insert(QStringLiteral("clave"), m_clave);
            aux.ejecuta(sentenciaUpdate(), p);
        }
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().mensaje(QStringLiteral("No ha capturado la informacion de manera completa"), Dialogos::Icono::Pregunta);
        if (m_def.foco)
            m_def.foco->setFocus();
        return Paso::Fallo;
    }
    return Paso::Hecho;
}

bool ListaRegistros::cambio(int nuevo)
{
    if (m_actual != 0) {
        // Si la revisión detiene el guardado, lo escrito se conserva para corregirlo: el
        // selector vuelve al registro que se dejaba.
        auto regresa = [this] {
            const QSignalBlocker b(m_selector);
            m_selector->setValue(m_actual);
        };
        // Un registro a medias no se guarda; si tiene algo escrito, perderlo en silencio al
        // moverse sería perder lo capturado: se avisa y se queda en él.
        if (!valida() && algoCapturado()) {
            dialogos().mensaje(QStringLiteral("No ha capturado la informacion de manera completa"), Dialogos::Icono::Pregunta);
            regresa();
            if (m_def.foco)
                m_def.foco->setFocus();
            return false;
        }
        try {
            if (guarda(m_guardado ? u'U' : u'I') == Paso::Detenido) {
                regresa();
                return false;
            }
        } catch (...) {
            regresa();
            throw;
        }
    }
    m_actual = nuevo;
    habilita(nuevo != 0);
    m_guardado = muestra(nuevo);
    return true;
}

void ListaRegistros::borra()
{
    const int n = m_selector->value();
    if (n == 0)
        return;
    // Se borra la fila mostrada, por su Clave: tras un borrado anterior las posiciones y los
    // números ya no coinciden, y borrar por número podría tocar otra fila o ninguna.
    if (m_guardado && n == m_actual)
        m_auxVentana.ejecuta(QStringLiteral("delete from %1 where %2=:codigo And Clave=:clave").arg(m_def.tabla, m_def.columnaTipo),
                             {{QStringLiteral("codigo"), m_def.codigo}, {QStringLiteral("clave"), m_clave}});
    m_guardado = muestra(n);
}

void ListaRegistros::abre()
{
    m_actual = 0;
    m_guardado = false;
    if (muestra(1))
        m_selector->setValue(1);   // corre el cambio del selector
}

bool ListaRegistros::guardaActual() { return cambio(m_selector->value()); }
