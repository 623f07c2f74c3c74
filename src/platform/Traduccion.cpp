#include "platform/Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
} // namespace

void instalaTraduccion()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));
    auto *t = new QTranslator(QCoreApplication::instance());
    if (t->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(t);
    else
        delete t;
    QCoreApplication::installTranslator(new TraduccionComplementaria(QCoreApplication::instance()));
    // Los diálogos del escritorio (de archivos, sobre todo) hablan el idioma de la sesión; los
    // de Qt, con la traducción de arriba, siempre español.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}
