#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

// One text line of the progress banner, made for callers that change it once
// per step of a long loop:
// - an unchanged text costs nothing, and a change never re-lays the window out;
// - a change that comes within a tick of the previous one waits for the next
//   Refrescar (the banner's animation tick), so a fast loop repaints the line
//   about ten times a second instead of at every step, while the first change
//   after a quiet spell is painted at once;
// - its width is fixed by the banner, not by the text: a longer text is shown
//   cut with "…" while text() keeps it whole.
class LineaCartel : public QWidget {
    Q_OBJECT
public:
    explicit LineaCartel(QWidget* parent = nullptr);

    QString text() const { return texto_; }
    void setText(const QString& texto);
    void Refrescar();  // paints a change that is waiting for its turn

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    bool cambioReciente() const;
    void mostrarCambio();

    QString texto_;
    QElapsedTimer ultimoCambio_;  // since the last change sent to the screen
    bool pendiente_ = false;
};
