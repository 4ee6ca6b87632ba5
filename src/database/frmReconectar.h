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

    // Set by the buttons; the reconnection loop reads them.
    bool Cancelar = false;
    bool Reintentar = false;

    QLabel* lblMensaje;
    QProgressBar* prgIntentos;
    QPushButton* CmdReintentar;
    QPushButton* cmdCancelar;
};
