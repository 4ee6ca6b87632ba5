#include "session/frmReconectar.h"

#include "styling/EstiloFormulario.h"
#include "suitesupport/QvFunciones.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmReconectar::frmReconectar(QWidget* parent)
    : QDialog(parent),
      lblMensaje(new QLabel(this)),
      prgIntentos(new QProgressBar(this)),
      CmdReintentar(new QPushButton("Reintentar", this)),
      cmdCancelar(new QPushButton("Cerrar Sistema", this))
{
    setWindowTitle("Intentando reconectar con el servidor...");
    setFont(QFont("Segoe UI", 9));
    prgIntentos->setRange(0, 100);
    prgIntentos->setValue(0);
    lblMensaje->setWordWrap(true);
    lblMensaje->setTextFormat(Qt::PlainText);
    CmdReintentar->setEnabled(false);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdReintentar);
    botones->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMensaje);
    layout->addWidget(prgIntentos);
    layout->addLayout(botones);
    resize(380, 140);

    connect(CmdReintentar, &QPushButton::clicked, this, [this] { reintentar_ = true; });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] { cancelar_ = true; });
    QvFunciones::PrepararFormulario(*this, 0);
}

void frmReconectar::Empezar(const QString& rutina, const QString& baseDatos)
{
    AplicarEstiloFormulario(*this, baseDatos);
    cancelar_ = false;
    reintentar_ = false;
    lblMensaje->setText(rutina + "\r\n" + "Intentando reconectar con el servidor...");
    prgIntentos->setValue(0);
    // A new series waits for its own last attempt before a retry is offered again.
    CmdReintentar->setEnabled(false);
    show();
    repaint();
}

void frmReconectar::Avanzar(int porcentaje, bool ultimoIntento)
{
    prgIntentos->setValue(porcentaje);
    CmdReintentar->setEnabled(ultimoIntento);
}
