#pragma once
// Campos de captura comunes: texto libre, texto en mayúsculas y texto con máscara.
// Todos aceptan sólo caracteres que la página Windows-1252 puede guardar.
#include <QLineEdit>
#include <QPlainTextEdit>

class EditTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit EditTexto(QWidget *parent = nullptr);
    // Texto tal como se guarda: en EditMayusculas ya viene en mayúsculas.
    QString texto() const { return text(); }
    void ponTexto(const QString &t) { setText(t); }

protected:
    explicit EditTexto(bool mayusculas, QWidget *parent);
};

// Convierte las letras a mayúsculas conforme se escriben, acentuadas incluidas (á → Á, ñ → Ñ).
class EditMayusculas : public EditTexto {
    Q_OBJECT
public:
    explicit EditMayusculas(QWidget *parent = nullptr);
};

// Campo con máscara al estilo "!99/99/9999;1;_": '9' dígito opcional, '0' dígito obligatorio,
// 'L' letra, 'A' letra o dígito, '\' literal siguiente; el resto son literales. texto()
// devuelve los literales y un espacio en cada posición vacía ("  /  /    " para una fecha vacía).
class EditMascara : public QLineEdit {
    Q_OBJECT
public:
    explicit EditMascara(QWidget *parent = nullptr);
    EditMascara(const QString &mascara, QWidget *parent = nullptr);

    void ponMascara(const QString &mascara);
    const QString &mascara() const { return m_mascara; }
    QString texto() const;
    void ponTexto(const QString &t);   // vacío o sólo literales/espacios deja el campo vacío
    bool vacio() const;                // ninguna posición capturada
    QString textoVacio() const;        // lo que texto() da con el campo vacío

    static inline const char *kFecha = "!99/99/9999;1;_";
    static inline const char *kTelefono = "!\\(9999\\)9999-9999;1;_";

private:
    QString m_mascara;
    QString m_qt;          // máscara traducida a la de Qt
    QChar m_blanco = u'_';
    QList<bool> m_literal;  // por posición visible
    QString m_plantilla;    // literales y espacios: el texto del campo vacío
};

// Memo de varias líneas con el mismo filtro de caracteres.
class EditMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditMemo(QWidget *parent = nullptr);
    // Largo máximo (0: sin límite). Lo que se teclea o se pega de más no entra, como en
    // un campo de una línea.
    void ponLargoMaximo(int n) { m_largoMaximo = n; }

private:
    int m_largoMaximo = 0;
};
