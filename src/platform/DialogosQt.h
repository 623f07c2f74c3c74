#pragma once
// Los diálogos del programa con QMessageBox y QInputDialog (capa de ventanas). La unidad se
// registra como la predeterminada de Dialogos::actual() al cargarse.
#include "platform/Dialogos.h"

class DialogosQt : public Dialogos {
public:
    void aviso(const QString &texto) override;
    void mensaje(const QString &texto, Icono icono) override;
    bool pregunta(const QString &texto, Icono icono) override;
    std::optional<QString> entrada(const QString &titulo, const QString &etiqueta, const QString &inicial) override;
    void recordatorio(const QString &texto, QWidget *campo) override;
};
