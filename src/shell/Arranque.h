#pragma once
// Arranque del programa en el orden establecido: base de datos, marco, módulo de datos y
// las ventanas ocultas de entrega y de revisión (ésta se arma la primera vez que se pide:
// nadie la ve antes y armarla costaría al abrir).
#include "platform/Traduccion.h"   // instalaTraduccion(), que antes vivía aquí

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

    // El arranque en curso; nullptr antes o después de él.
    static Arranque *actual();

    TW_Inicial *inicial() const { return m_inicial.get(); }
    TW_DM *dm() const { return m_dm.get(); }
    QWidget *genDsk() const { return m_genDsk.get(); }
    // Oculta y viva hasta el final desde que se pide por primera vez.
    QWidget *incon() const;

private:
    std::unique_ptr<TW_Inicial> m_inicial;
    std::unique_ptr<TW_DM> m_dm;
    std::unique_ptr<QWidget> m_genDsk;
    mutable std::unique_ptr<QWidget> m_incon;
};
