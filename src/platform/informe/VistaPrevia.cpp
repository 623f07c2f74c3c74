// Vista previa e impresora: la parte del dibujo de informes que usa Qt Widgets y Qt Print
// Support (capa de ventanas). El dibujo de cada página y el PDF están en Pintor.cpp.
#include "platform/informe/Pintor.h"
#include "platform/Dialogos.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPageLayout>
#include <QGraphicsView>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace Informe {

void pinta(const Documento &documento, QPrinter *impresora)
{
    pintaTodo(documento, *impresora);
}

void previsualiza(const Documento &documento, QWidget *padre)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setFullPage(true);
    // Por partes: una impresora con márgenes mínimos rechazaría la disposición entera.
    const QPageLayout hoja = disposicion(documento);
    impresora.setPageSize(hoja.pageSize());
    impresora.setPageOrientation(QPageLayout::Portrait);
    impresora.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    impresora.setDocName(documento.titulo);
    QPrintPreviewDialog vista(&impresora, padre);
    vista.setObjectName(QStringLiteral("VistaPrevia"));
    vista.setWindowTitle(documento.titulo.isEmpty() ? QStringLiteral("Vista previa") : documento.titulo);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, [&documento](QPrinter *p) { pinta(documento, p); });
    // Además de imprimir, guardar como PDF sin pasar por el diálogo de impresión.
    if (auto *barra = vista.findChild<QToolBar *>()) {
        barra->addSeparator();
        QAction *guardar = barra->addAction(QStringLiteral("Guardar PDF…"));
        guardar->setObjectName(QStringLiteral("GuardaPdf"));
        QObject::connect(guardar, &QAction::triggered, &vista, [&documento, &vista] {
            QString archivo = QFileDialog::getSaveFileName(&vista, QStringLiteral("Guardar PDF"), documento.titulo + QStringLiteral(".pdf"),
                                                           QStringLiteral("PDF (*.pdf)"));
            if (archivo.isEmpty())
                return;
            if (!archivo.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                archivo += QStringLiteral(".pdf");
            const QString error = escribePdf(documento, archivo);
            if (!error.isEmpty())
                dialogos().mensaje(error, Dialogos::Icono::Error);
        });
        // Sin ratón: Ctrl+P imprime y Ctrl+S guarda el PDF (lo dicen sus avisos), y Tab recorre
        // los botones de la barra además del acercamiento y la página; Escape cierra.
        guardar->setShortcut(QKeySequence::Save);
        const QString imprimir = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction *a : barra->actions()) {
            if (a->text() == imprimir)
                a->setShortcut(QKeySequence::Print);
            if (!a->shortcut().isEmpty())
                a->setToolTip(QStringLiteral("%1 (%2)").arg(a->text().remove(u'&'), a->shortcut().toString(QKeySequence::NativeText)));
        }
        for (QToolButton *b : barra->findChildren<QToolButton *>())
            b->setFocusPolicy(Qt::StrongFocus);
        // Tab los recorre de izquierda a derecha: «Guardar PDF…», agregado al final, va tras imprimir.
        QWidget *anterior = nullptr;
        for (QAction *a : barra->actions()) {
            QWidget *b = barra->widgetForAction(a);
            if (b && !(b->focusPolicy() & Qt::TabFocus)) {   // el número de página va dentro de otro
                const auto dentro = b->findChildren<QWidget *>();
                const auto f = std::find_if(dentro.cbegin(), dentro.cend(), [](QWidget *h) { return h->focusPolicy() & Qt::TabFocus; });
                b = f == dentro.cend() ? nullptr : *f;
            }
            if (!b)
                continue;
            if (anterior)
                QWidget::setTabOrder(anterior, b);
            anterior = b;
        }
    }
    // Al abrir, el foco (y su marco) en la página, donde las flechas la recorren; el primer Tab
    // lleva a la barra.
    if (auto *previa = vista.findChild<QPrintPreviewWidget *>())
        if (auto *pagina = previa->findChild<QGraphicsView *>())
            previa->setFocusProxy(pagina);
    vista.resize(900, 1000);
    vista.exec();
}

} // namespace Informe
