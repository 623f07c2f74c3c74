#include "shell/Arranque.h"
#include "platform/Base.h"
#include "platform/Fuentes.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace {
// Textos del diálogo de archivos que la traducción de Qt aún no trae (la columna "Tipo" de
// una carpeta decía "Folder"). Se consulta antes que la de Qt y sólo responde por éstos.
class TraduccionComplementaria : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *contexto, const char *texto, const char *, int) const override
    {
        if (qstrcmp(contexto, "QAbstractFileIconProvider") != 0)
            return {};
        static const struct {
            const char *ingles, *espanol;
        } kTextos[] = {{"Folder", "Carpeta"}, {"Drive", "Unidad"}, {"File", "Archivo"},
                       {"Shortcut", "Acceso directo"}, {"Unknown", "Desconocido"}};
        for (const auto &t : kTextos)
            if (qstrcmp(texto, t.ingles) == 0)
                return QString::fromUtf8(t.espanol);
        return {};
    }
};

Arranque *g_actual = nullptr;
} // namespace

Arranque *Arranque::actual() { return g_actual; }

Arranque::Arranque(const QString &carpetaTablas)
{
    Base::abre(carpetaTablas);
    esperaLecturaFuentes();   // el marco mide su primer texto
    Tipo_Actual.clear();
    Opcion_Actual = 1;
    Edo_Civil_Actual = 0;
    m_inicial = std::make_unique<TW_Inicial>();
    m_dm = std::make_unique<TW_DM>();
    m_genDsk.reset(Fabrica::crea(QStringLiteral("W_GenDsk")));
    if (m_genDsk)
        m_genDsk->hide();
    g_actual = this;
}

Arranque::~Arranque()
{
    if (g_actual == this)
        g_actual = nullptr;
    m_incon.reset();
    m_genDsk.reset();
    m_inicial.reset();
    m_dm.reset();
    Base::cierra();
}

QWidget *Arranque::incon() const
{
    if (!m_incon) {
        m_incon.reset(Fabrica::crea(QStringLiteral("W_Incon")));
        if (m_incon)
            m_incon->hide();
    }
    return m_incon.get();
}

void instalaTraduccion()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));
    auto *t = new QTranslator(qApp);
    if (t->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(t);
    else
        delete t;
    QCoreApplication::installTranslator(new TraduccionComplementaria(qApp));
    // Los diálogos del escritorio (de archivos, sobre todo) hablan el idioma de la sesión; los
    // de Qt, con la traducción de arriba, siempre español.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}
