#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class LineaCartel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The progress banner's window: three text lines beside an animated picture
// and, when the task may be cancelled, a cancel button. Dll_Display drives it;
// it is modeless, semi-transparent and centred on the screen.
class Lbf_CtrlDisplay : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLineas = 3;
    static constexpr int kImagenes = 12;
    static constexpr int kIntervaloAnimacion = 100;  // milliseconds per picture
    static inline const QString kTituloPorDefecto = "Procesando Datos";
    static inline const QString kTextoCancelar = "&Cancelar";
    static inline const QString kTextoAbortado = "Abortado";

    // The window takes the look of the database `BaseDatos`.
    explicit Lbf_CtrlDisplay(const QString& BaseDatos = {});

    // Caption, cancel button shown or hidden, fitted, centred, animating, shown.
    void Iniciar(const QString& titulo, bool permiteCancelar);
    // Sets line `indice` (0 to 2); an unchanged text costs nothing.
    void MostrarLinea(int indice, const QString& texto);
    // Shows the bar, hidden until then, at `hecho` of `total` steps.
    void MostrarAvance(qsizetype hecho, qsizetype total);
    bool Abortado() const;  // the cancel button has been pressed
    void Reanudar();        // the cancel button is armed again
    // Above every other window, or back in the normal stacking order.
    void FijarSiempreVisible(bool siempreVisible);
    // One step of the animation; lines changed since their last painting are
    // painted with it.
    void Timer1_Timer();
    const QPixmap& ImageList1(int indice) const;  // pictures 1 to 12

    std::array<LineaCartel*, kLineas> LblCtrol{};
    QPushButton* CmdDisplayCancelar;
    QLabel* Image1;
    QProgressBar* BarraAvance;
    QTimer* Timer1;

protected:
    // Only the caller ends the task; the operator asks for it with the button.
    void closeEvent(QCloseEvent* evento) override;

private:
    void disponerControles();
    void CmdDisplayCancelar_Click();

    QList<QPixmap> imagenes_;
    qint16 contador_ = 0;
};
