#pragma once
// Arranque del programa en el orden establecido: base de datos, marco, módulo de datos y
// las ventanas ocultas de entrega y de revisión.
#include <QString>
#include <memory>

class TW_Inicial;
class TW_DM;
class QWidget;

class Arranque {
public:
    // Abre (o crea) la base de la carpeta y crea los objetos permanentes. Lanza ErrorBase.
    explicit Arranque(const QString &carpetaTablas);
    ~Arranque();

    TW_Inicial *inicial() const { return m_inicial.get(); }
    TW_DM *dm() const { return m_dm.get(); }
    QWidget *genDsk() const { return m_genDsk.get(); }
    QWidget *incon() const { return m_incon.get(); }

private:
    std::unique_ptr<TW_Inicial> m_inicial;
    std::unique_ptr<TW_DM> m_dm;
    std::unique_ptr<QWidget> m_genDsk;
    std::unique_ptr<QWidget> m_incon;
};

// Traducción de Qt al español (botones "Sí", "No", "Aceptar", "Cancelar").
void instalaTraduccion();
