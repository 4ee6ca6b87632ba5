#pragma once

#include "database/VentanaReconexion.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The small window shown while the program keeps trying to reach the server.
class frmReconectar : public QDialog, public VentanaReconexion {
    Q_OBJECT
public:
    explicit frmReconectar(QWidget* parent = nullptr);

    void Empezar(const QString& rutina, const QString& baseDatos) override;
    void Avanzar(int porcentaje, bool ultimoIntento) override;
    bool Cancelar() const override { return cancelar_; }
    bool Reintentar() const override { return reintentar_; }
    void Ocultar() override { hide(); }

    QLabel* lblMensaje;
    QProgressBar* prgIntentos;
    QPushButton* CmdReintentar;
    QPushButton* cmdCancelar;

private:
    // Set by the buttons; the reconnection loop reads them.
    bool cancelar_ = false;
    bool reintentar_ = false;
};
