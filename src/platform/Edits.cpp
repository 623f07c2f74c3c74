#include "platform/Edits.h"
#include "platform/Win1252.h"

#include <QValidator>

namespace {

class ValidadorTexto : public QValidator {
public:
    ValidadorTexto(bool mayusculas, QObject *parent) : QValidator(parent), m_mayusculas(mayusculas) {}
    State validate(QString &entrada, int &pos) const override
    {
        QString limpio;
        limpio.reserve(entrada.size());
        int nuevaPos = pos;
        for (int i = 0; i < entrada.size(); ++i) {
            const QChar c = entrada.at(i);
            if (!Win1252::representable(c) || c == u'\n' || c == u'\r' || c == u'\t') {
                if (i < pos)
                    --nuevaPos;
                continue;
            }
            limpio += c;
        }
        // Una letra por letra: la longitud no cambia y el cursor se queda donde estaba.
        if (m_mayusculas)
            limpio = Win1252::mayusculas(limpio);
        entrada = limpio;
        pos = qBound(0, nuevaPos, int(entrada.size()));
        return Acceptable;
    }

private:
    bool m_mayusculas;
};

} // namespace

EditTexto::EditTexto(QWidget *parent) : EditTexto(false, parent) {}

EditTexto::EditTexto(bool mayusculas, QWidget *parent) : QLineEdit(parent)
{
    setValidator(new ValidadorTexto(mayusculas, this));
    setMaxLength(255);
}

EditMayusculas::EditMayusculas(QWidget *parent) : EditTexto(true, parent) {}

EditMascara::EditMascara(QWidget *parent) : QLineEdit(parent) {}

EditMascara::EditMascara(const QString &mascara, QWidget *parent) : QLineEdit(parent) { ponMascara(mascara); }

void EditMascara::ponMascara(const QString &mascara)
{
    m_mascara = mascara;
    const QStringList partes = mascara.split(u';');
    const QString patron = partes.value(0);
    m_blanco = partes.size() > 2 && !partes.at(2).isEmpty() ? partes.at(2).at(0) : QChar(u'_');
    m_qt.clear();
    m_literal.clear();
    m_plantilla.clear();
    static const QString especialesQt = QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\");
    for (int i = 0; i < patron.size(); ++i) {
        QChar c = patron.at(i);
        QString q;
        bool literal = false;
        switch (c.unicode()) {
        case u'!': case u'>': case u'<': continue;
        case u'9': q = QStringLiteral("0"); break;
        case u'0': q = QStringLiteral("9"); break;
        case u'#': q = QStringLiteral("#"); break;
        case u'L': q = QStringLiteral("A"); break;
        case u'l': q = QStringLiteral("a"); break;
        case u'A': q = QStringLiteral("N"); break;
        case u'a': q = QStringLiteral("n"); break;
        case u'C': q = QStringLiteral("X"); break;
        case u'c': q = QStringLiteral("x"); break;
        case u'\\':
            if (i + 1 < patron.size())
                c = patron.at(++i);
            Q_FALLTHROUGH();
        default:
            literal = true;
            q = especialesQt.contains(c) ? QStringLiteral("\\") + c : QString(c);
        }
        m_qt += q;
        m_literal << literal;
        m_plantilla += literal ? c : QChar(u' ');
    }
    setInputMask(m_qt + u';' + m_blanco);
    setMaxLength(int(m_literal.size()));
}

QString EditMascara::texto() const
{
    if (m_literal.isEmpty())
        return text();
    QString r = displayText();
    for (int i = 0; i < r.size() && i < m_literal.size(); ++i)
        if (!m_literal.at(i) && r.at(i) == m_blanco)
            r[i] = u' ';
    return r;
}

QString EditMascara::textoVacio() const { return m_plantilla; }

void EditMascara::ponTexto(const QString &t)
{
    bool algo = false;
    for (int i = 0; i < t.size(); ++i) {
        const bool literal = i < m_literal.size() ? m_literal.at(i) : false;
        if (!literal && !t.at(i).isSpace() && t.at(i) != m_blanco)
            algo = true;
    }
    if (!algo) {
        clear();
        return;
    }
    QString s = t;
    for (int i = 0; i < s.size(); ++i)
        if (s.at(i).isSpace())
            s[i] = m_blanco;
    setText(s);
}

bool EditMascara::vacio() const
{
    const QString r = texto();
    for (int i = 0; i < r.size(); ++i)
        if (!(i < m_literal.size() && m_literal.at(i)) && !r.at(i).isSpace())
            return false;
    return true;
}

EditMemo::EditMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = toPlainText();
        // Un tabulador pegado queda como espacio: Tab pasa al campo siguiente y no se guarda.
        QString l = Win1252::limpia(t).replace(u'\t', u' ');
        QTextCursor c = textCursor();
        int pos = c.position() - int(t.size() - l.size());
        if (m_largoMaximo > 0 && l.size() > m_largoMaximo) {
            // Sobra lo último que entró, justo antes del cursor (o el final, si el texto
            // llegó entero sin cursor).
            const int sobra = int(l.size()) - m_largoMaximo;
            pos = pos - sobra >= 0 ? pos - sobra : m_largoMaximo;
            l.remove(pos, sobra);
        }
        if (l != t) {
            const QSignalBlocker b(this);
            setPlainText(l);
            c = textCursor();
            c.setPosition(qBound(0, pos, int(l.size())));
            setTextCursor(c);
        }
    });
}
