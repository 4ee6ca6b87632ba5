// A clerk for the whole program: loaded into the real binary with LD_PRELOAD
// by the end-to-end tests, it plays the steps of OPERADOR_E2E, one per line,
// through the program's own event loop:
//
//   <window title> > <button text>             clicks the button
//   <window title> > <field name> = <text>     types the text into the field
//   <window title> > tecla <key>               presses the key (F3, Return...)
//   <window title> > avisar <file>             creates the file
//   <window title> > esperar <file>            waits until the file exists
//
// Each step waits until a visible window with that title is up. What it sees
// and does goes to stderr, for the test to show when the program hangs.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kMirarCadaMs = 20;

struct Paso {
    QString ventana;
    QString accion;
};

QList<Paso> leerPasos()
{
    QList<Paso> pasos;
    for (const QString& linea : qEnvironmentVariable("OPERADOR_E2E").split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype flecha = linea.indexOf(" > ");
        if (flecha > 0) pasos.append({linea.left(flecha).trimmed(), linea.mid(flecha + 3).trimmed()});
    }
    return pasos;
}

void contar(const QString& texto) { QTextStream(stderr) << "operador: " << texto << Qt::endl; }

QWidget* ventanaVisible(const QString& titulo)
{
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->windowTitle().trimmed() == titulo)
        return modal;
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (ventana->isVisible() && ventana->windowTitle().trimmed() == titulo) return ventana;
    return nullptr;
}

QAbstractButton* boton(QWidget& ventana, const QString& texto)
{
    for (QAbstractButton* candidato : ventana.findChildren<QAbstractButton*>())
        if (candidato->isVisible() && candidato->text().remove(u'&') == texto) return candidato;
    return nullptr;
}

// Actions run from the event loop, not from the step that asks for them: a
// click may open a box whose own loop would otherwise hold this operator.
void despues(QWidget* ventana, std::function<void(QWidget&)> accion)
{
    QTimer::singleShot(0, [destino = QPointer<QWidget>(ventana), accion = std::move(accion)] {
        if (destino) accion(*destino);
    });
}

// Whether the step was done (or started); false to try again later.
bool hacer(const Paso& paso, QWidget& ventana)
{
    const QString& accion = paso.accion;
    if (accion.startsWith("avisar ")) return QFile(accion.mid(7)).open(QIODevice::WriteOnly);
    if (accion.startsWith("esperar ")) return QFile::exists(accion.mid(8));
    if (accion.startsWith("tecla ")) {
        const QKeySequence tecla(accion.mid(6));
        despues(&ventana, [tecla](QWidget& destino) {
            QWidget* foco = destino.focusWidget() ? destino.focusWidget() : &destino;
            QTest::keyClick(foco, tecla[0].key(), tecla[0].keyboardModifiers());
        });
        return true;
    }
    if (const qsizetype igual = accion.indexOf(" = "); igual > 0) {
        auto* campo = ventana.findChild<QLineEdit*>(accion.left(igual));
        if (!campo) return false;
        campo->setText(accion.mid(igual + 3));
        return true;
    }
    QAbstractButton* elegido = boton(ventana, accion);
    if (!elegido) return false;
    despues(elegido, [](QWidget& destino) { static_cast<QAbstractButton&>(destino).click(); });
    return true;
}

class Operador : public QObject {
public:
    explicit Operador(QObject* aplicacion) : QObject(aplicacion), pasos_(leerPasos())
    {
        connect(&reloj_, &QTimer::timeout, this, &Operador::mirar);
        reloj_.start(kMirarCadaMs);
    }

private:
    void mirar()
    {
        QWidget* modal = QApplication::activeModalWidget();
        const QString vista = modal ? modal->windowTitle().trimmed() : QString();
        if (vista != vistaAntes_) contar("ve \"" + vista + "\"");
        vistaAntes_ = vista;
        if (pasos_.isEmpty()) return;
        const Paso& paso = pasos_.first();
        QWidget* ventana = ventanaVisible(paso.ventana);
        if (!ventana || !hacer(paso, *ventana)) return;
        contar("hizo \"" + paso.ventana + " > " + paso.accion + "\"");
        pasos_.removeFirst();
    }

    QList<Paso> pasos_;
    QTimer reloj_;
    QString vistaAntes_;
};

void empezar() { new Operador(QCoreApplication::instance()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(empezar)
