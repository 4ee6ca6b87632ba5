#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The small window shown while the program keeps trying to reach the server.
class frmReconectar : public QDialog {
    Q_OBJECT
public:
    explicit frmReconectar(QWidget* parent = nullptr);

    // A new series of attempts for `rutina` on the database `baseDatos`:
    // both buttons unpressed, no progress yet, shown without blocking.
    void Empezar(const QString& rutina, const QString& baseDatos);
    // The share of the series done; retrying by hand is offered on the last attempt.
    void Avanzar(int porcentaje, bool ultimoIntento);
    bool Cancelar() const { return cancelar_; }
    bool Reintentar() const { return reintentar_; }

    QLabel* lblMensaje;
    QProgressBar* prgIntentos;
    QPushButton* CmdReintentar;
    QPushButton* cmdCancelar;

private:
    // Set by the buttons; the reconnection loop reads them.
    bool cancelar_ = false;
    bool reintentar_ = false;
};
