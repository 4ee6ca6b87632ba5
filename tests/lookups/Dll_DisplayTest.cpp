#include "lookups/Dll_Display.h"
#include "lookups/Lbf_CtrlDisplay.h"
#include "lookups/LineaCartel.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QList<Lbf_CtrlDisplay*> cartelesAbiertos()
{
    QList<Lbf_CtrlDisplay*> carteles;
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (auto* cartel = qobject_cast<Lbf_CtrlDisplay*>(ventana)) carteles.append(cartel);
    return carteles;
}

Lbf_CtrlDisplay* unicoCartel()
{
    const auto carteles = cartelesAbiertos();
    return carteles.size() == 1 ? carteles.front() : nullptr;
}

QStringList lineas(const Lbf_CtrlDisplay& ventana)
{
    QStringList textos;
    for (const auto* linea : ventana.LblCtrol) textos.append(linea->text());
    return textos;
}

bool mismaImagen(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

QImage imagenMostrada(const Lbf_CtrlDisplay& ventana) { return ventana.Image1->pixmap().toImage(); }

// Counts the paint events each line of the banner receives, and the text each
// line had when it was last painted.
class ContadorPintadas : public QObject {
public:
    explicit ContadorPintadas(const Lbf_CtrlDisplay& ventana)
    {
        for (auto* linea : ventana.LblCtrol) linea->installEventFilter(this);
    }
    QMap<QObject*, int> pintadas;
    QMap<QObject*, QString> textoPintado;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint) {
            ++pintadas[objeto];
            textoPintado[objeto] = static_cast<LineaCartel*>(objeto)->text();
        }
        return false;
    }
};

// A pixel of the animation's leading dot: dark and clearly bluish.
bool esAzulGrisOscuro(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qBlue(pixel) < 160 && qBlue(pixel) > qRed(pixel) + 30;
}

bool contienePixel(const QImage& imagen, const QRect& zona, bool (*condicion)(QRgb))
{
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (condicion(imagen.pixel(x, y))) return true;
    return false;
}

bool esTextoOscuro(QRgb pixel) { return qGray(pixel) < 90; }

class Dll_DisplayTest : public ::testing::Test {
protected:
    void TearDown() override { cartel.CartelCerrar(); }

    Dll_Display cartel;
    bool cancelado = false;
};

}  // namespace

TEST_F(Dll_DisplayTest, CartelInicioShowsAModelessCentredBannerThatAnimates)
{
    cartel.CartelInicio("Actualizando Datos", true);

    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_FALSE(ventana->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ventana->windowTitle(), "Actualizando Datos");
    EXPECT_EQ(lineas(*ventana), QStringList({"", "", ""}));
    EXPECT_TRUE(ventana->CmdDisplayCancelar->isVisible());
    EXPECT_EQ(ventana->CmdDisplayCancelar->text(), "&Cancelar");
    EXPECT_TRUE(ventana->Timer1->isActive());
    EXPECT_EQ(ventana->Timer1->interval(), 100);
    EXPECT_TRUE(mismaImagen(ventana->Image1->pixmap(), ventana->ImageList1(1)));
    EXPECT_DOUBLE_EQ(ventana->windowOpacity(), 200.0 / 255.0);

    const QPoint centroPantalla = ventana->screen()->availableGeometry().center();
    const QPoint centroVentana = ventana->frameGeometry().center();
    EXPECT_LE((centroPantalla - centroVentana).manhattanLength(), 2);
}

TEST(Lbf_CtrlDisplay, ANewWindowIsReadyButHiddenUntilStarted)
{
    Lbf_CtrlDisplay ventana;
    EXPECT_EQ(ventana.windowTitle(), "Procesando Datos");
    EXPECT_EQ(ventana.CmdDisplayCancelar->text(), "&Cancelar");
    EXPECT_FALSE(ventana.Abortado());
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_FALSE(ventana.Timer1->isActive());
}

TEST_F(Dll_DisplayTest, WithoutCancellingTheButtonIsHiddenAndCanceladoStaysFalse)
{
    Dll_Display conCancelar;
    conCancelar.CartelInicio("Actualizando Datos", true);
    const int altoConBoton = cartelesAbiertos().front()->height();
    conCancelar.CartelCerrar();

    cartel.CartelInicio("Conectando Base de Datos", false);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    EXPECT_TRUE(ventana->CmdDisplayCancelar->isHidden());
    EXPECT_LT(ventana->height(), altoConBoton) << "the hidden button leaves no gap";

    for (int paso = 0; paso < 3; ++paso) {
        cancelado = true;
        cartel.CartelMostrar(cancelado, "Iniciando Aplicacion", "equivalencias", "Espere por favor");
        EXPECT_FALSE(cancelado);
    }
}

TEST_F(Dll_DisplayTest, EachLineGivenReplacesItsLineAndLinesNotGivenStay)
{
    cartel.CartelInicio("Conectando Base de Datos", false);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);

    cartel.CartelMostrar(cancelado, "Iniciando Aplicacion", "equivalencias", "Espere por favor");
    EXPECT_EQ(lineas(*ventana), QStringList({"Iniciando Aplicacion", "equivalencias", "Espere por favor"}));

    cartel.CartelMostrar(cancelado, std::nullopt, "Leyendo configuracion");
    EXPECT_EQ(lineas(*ventana), QStringList({"Iniciando Aplicacion", "Leyendo configuracion", "Espere por favor"}));

    cartel.CartelMostrar(cancelado, Variant::null());
    EXPECT_EQ(lineas(*ventana), QStringList({"", "Leyendo configuracion", "Espere por favor"}));

    cartel.CartelMostrar(cancelado, std::nullopt, std::nullopt, Variant(12.5));
    EXPECT_EQ(lineas(*ventana), QStringList({"", "Leyendo configuracion", "12.5"}));

    cartel.CartelMostrar(cancelado);
    EXPECT_EQ(lineas(*ventana), QStringList({"", "Leyendo configuracion", "12.5"}));
}

TEST_F(Dll_DisplayTest, AClickIsSeenAtTheNextCallAndStaysUntilTheBannerIsClosed)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    cartel.CartelMostrar(cancelado, "TORNILLO 8 X 40");
    EXPECT_FALSE(cancelado);

    // The operator clicks while the caller is busy: the click waits in the queue.
    QMetaObject::invokeMethod(ventana->CmdDisplayCancelar, "click", Qt::QueuedConnection);
    QThread::msleep(Dll_Display::kMilisegundosEntreEventos + 5);  // events go through at most that often
    cartel.CartelMostrar(cancelado, "TUERCA 8");
    EXPECT_FALSE(cancelado) << "the click runs only while this call lets events through";
    EXPECT_EQ(ventana->CmdDisplayCancelar->text(), "Abortado");

    for (int paso = 0; paso < 3; ++paso) {
        cartel.CartelMostrar(cancelado, "ARANDELA 8");
        EXPECT_TRUE(cancelado);
    }
    EXPECT_TRUE(ventana->isVisible()) << "cancelling leaves closing to the caller";

    cartel.CartelCerrar();
    cartel.CartelInicio("Actualizando Datos", true);
    cartel.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);
    ASSERT_NE(unicoCartel(), nullptr);
    EXPECT_EQ(unicoCartel()->CmdDisplayCancelar->text(), "&Cancelar");
}

TEST_F(Dll_DisplayTest, CartelReanudarLetsTheTaskGoOnAfterTheOperatorChoseNotToCancel)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    QTest::mouseClick(ventana->CmdDisplayCancelar, Qt::LeftButton);
    cartel.CartelMostrar(cancelado);
    ASSERT_TRUE(cancelado);

    cartel.CartelReanudar();
    EXPECT_EQ(ventana->CmdDisplayCancelar->text(), "&Cancelar");
    cartel.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);

    QTest::mouseClick(ventana->CmdDisplayCancelar, Qt::LeftButton);
    cartel.CartelMostrar(cancelado);
    EXPECT_TRUE(cancelado) << "a second press is seen again";
}

TEST_F(Dll_DisplayTest, TheTimerCyclesTheTwelvePicturesInOrder)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    ventana->Timer1->stop();  // the ticks below are driven by hand

    for (int imagen = 1; imagen <= 12; ++imagen) {
        ventana->Timer1_Timer();
        EXPECT_TRUE(mismaImagen(ventana->Image1->pixmap(), ventana->ImageList1(imagen))) << "tick " << imagen;
    }
    ventana->Timer1_Timer();
    EXPECT_TRUE(mismaImagen(ventana->Image1->pixmap(), ventana->ImageList1(1))) << "after 12 comes 1";
    ventana->Timer1_Timer();
    EXPECT_TRUE(mismaImagen(ventana->Image1->pixmap(), ventana->ImageList1(2)));
}

TEST_F(Dll_DisplayTest, TheTwelvePicturesAreVisibleAndAllDifferent)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);

    QList<QImage> imagenes;
    for (int imagen = 1; imagen <= 12; ++imagen) {
        const QImage dibujo = ventana->ImageList1(imagen).toImage();
        EXPECT_TRUE(contienePixel(dibujo, dibujo.rect(), esAzulGrisOscuro)) << "picture " << imagen;
        EXPECT_FALSE(imagenes.contains(dibujo)) << "picture " << imagen << " repeats an earlier one";
        imagenes.append(dibujo);
    }
}

TEST_F(Dll_DisplayTest, TheAnimationRunsWhileTheCallerLoops)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    const QImage inicial = imagenMostrada(*ventana);

    // A generous deadline: this checks that ticks get through, not how fast.
    const QDeadlineTimer limite(10000);
    int llamadas = 0;
    while (imagenMostrada(*ventana) == inicial && !limite.hasExpired()) {
        cartel.CartelMostrar(cancelado, QString("Articulo %1").arg(++llamadas));
    }
    EXPECT_NE(imagenMostrada(*ventana), inicial);
}

TEST_F(Dll_DisplayTest, CartelCerrarReleasesTheWindowAndLaterCallsAreHarmless)
{
    cartel.CartelInicio("Actualizando Datos", true);
    const QPointer<Lbf_CtrlDisplay> ventana = unicoCartel();
    ASSERT_FALSE(ventana.isNull());

    cartel.CartelCerrar();
    EXPECT_TRUE(ventana.isNull());
    EXPECT_TRUE(cartelesAbiertos().isEmpty());

    cartel.CartelCerrar();
    cancelado = true;
    cartel.CartelMostrar(cancelado, "Sin cartel");
    EXPECT_FALSE(cancelado);
    cartel.CartelReanudar();
    EXPECT_TRUE(cartelesAbiertos().isEmpty()) << "no hidden window appears after closing";
}

TEST_F(Dll_DisplayTest, CartelInicioOnAnOpenBannerStartsANewTaskAfresh)
{
    cartel.CartelInicio("Actualizando Datos", true);
    ASSERT_NE(unicoCartel(), nullptr);
    cartel.CartelMostrar(cancelado, "TORNILLO 8 X 40", "uno", "dos");
    QTest::mouseClick(unicoCartel()->CmdDisplayCancelar, Qt::LeftButton);

    cartel.CartelInicio("Conectando Base de Datos", false);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr) << "still one banner";
    EXPECT_EQ(ventana->windowTitle(), "Conectando Base de Datos");
    EXPECT_EQ(lineas(*ventana), QStringList({"", "", ""}));
    EXPECT_TRUE(ventana->CmdDisplayCancelar->isHidden());
    cartel.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);
}

TEST_F(Dll_DisplayTest, TheOperatorCannotCloseTheBannerFromItsFrame)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);

    EXPECT_FALSE(ventana->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(ventana->close());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(unicoCartel(), ventana);
}

TEST_F(Dll_DisplayTest, Siempre_VisibleChangesTheStackingOnlyNotThePlace)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    const QRect lugar = ventana->geometry();
    EXPECT_FALSE(ventana->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    cartel.setSiempre_Visible(true);
    EXPECT_TRUE(ventana->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->geometry(), lugar);

    cartel.setSiempre_Visible(false);
    EXPECT_FALSE(ventana->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->geometry(), lugar);
}

TEST_F(Dll_DisplayTest, Siempre_VisibleSetBeforeStartingHoldsForTheBannersOpenedLater)
{
    cartel.setSiempre_Visible(true);
    EXPECT_TRUE(cartelesAbiertos().isEmpty()) << "setting it opens no window";

    for (int tarea = 0; tarea < 2; ++tarea) {
        cartel.CartelInicio("Actualizando Datos", true);
        ASSERT_NE(unicoCartel(), nullptr);
        EXPECT_TRUE(unicoCartel()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "task " << tarea;
        cartel.CartelCerrar();
    }
}

TEST_F(Dll_DisplayTest, EachCallerHasItsOwnBanner)
{
    Dll_Display otro;
    cartel.CartelInicio("Actualizando Datos", true);
    otro.CartelInicio("Conectando Base de Datos", true);
    ASSERT_EQ(cartelesAbiertos().size(), 2);

    const auto esDe = [](const QString& titulo) {
        for (auto* ventana : cartelesAbiertos())
            if (ventana->windowTitle() == titulo) return ventana;
        return static_cast<Lbf_CtrlDisplay*>(nullptr);
    };
    ASSERT_NE(esDe("Actualizando Datos"), nullptr);
    QTest::mouseClick(esDe("Actualizando Datos")->CmdDisplayCancelar, Qt::LeftButton);

    bool otroCancelado = true;
    cartel.CartelMostrar(cancelado);
    otro.CartelMostrar(otroCancelado);
    EXPECT_TRUE(cancelado);
    EXPECT_FALSE(otroCancelado);

    cartel.CartelCerrar();
    ASSERT_EQ(cartelesAbiertos().size(), 1);
    EXPECT_EQ(cartelesAbiertos().front()->windowTitle(), "Conectando Base de Datos");
    otro.CartelCerrar();
}

TEST_F(Dll_DisplayTest, TheFirstLinesArePaintedDuringTheCallThatGivesThem)
{
    // Start-up shows its lines and then blocks while it connects.
    cartel.CartelInicio("Conectando Base de Datos", false);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    ContadorPintadas contador(*ventana);

    cartel.CartelMostrar(cancelado, "Iniciando Aplicacion", "equivalencias", "Espere por favor");
    for (auto* linea : ventana->LblCtrol) EXPECT_GE(contador.pintadas.value(linea), 1);
}

TEST_F(Dll_DisplayTest, OnlyALineThatChangedIsRepaintedAtTheLatestWithTheNextTick)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    ventana->Timer1->stop();  // ticks are driven by hand
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana));
    cartel.CartelMostrar(cancelado, "TORNILLO 8 X 40", "uno", "dos");
    QCoreApplication::processEvents();

    ContadorPintadas contador(*ventana);
    for (int paso = 0; paso < 50; ++paso) cartel.CartelMostrar(cancelado, "TORNILLO 8 X 40", "uno", "dos");
    ventana->Timer1_Timer();
    QCoreApplication::processEvents();
    EXPECT_TRUE(contador.pintadas.isEmpty()) << "unchanged lines cost no painting";

    cartel.CartelMostrar(cancelado, std::nullopt, "tres");
    ventana->Timer1_Timer();
    QCoreApplication::processEvents();
    EXPECT_GE(contador.pintadas.value(ventana->LblCtrol[1]), 1);
    EXPECT_EQ(contador.pintadas.value(ventana->LblCtrol[0]), 0);
    EXPECT_EQ(contador.pintadas.value(ventana->LblCtrol[2]), 0);
}

TEST_F(Dll_DisplayTest, AFastLoopRepaintsItsLineAtMostOncePerAnimationStep)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    ventana->Timer1->stop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana));
    cartel.CartelMostrar(cancelado, "Articulo 0");
    QCoreApplication::processEvents();

    ContadorPintadas contador(*ventana);
    QElapsedTimer reloj;
    reloj.start();
    constexpr int kArticulos = 1000;
    for (int articulo = 1; articulo <= kArticulos; ++articulo)
        cartel.CartelMostrar(cancelado, QString("Articulo %1").arg(articulo));
    // Whatever the machine's speed: one painting per 100 ms at most.
    const qint64 pausas = reloj.elapsed() / Lbf_CtrlDisplay::kIntervaloAnimacion;
    EXPECT_LE(contador.pintadas.value(ventana->LblCtrol[0]), pausas + 1);
    EXPECT_EQ(ventana->LblCtrol[0]->text(), QString("Articulo %1").arg(kArticulos));

    ventana->Timer1_Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(contador.textoPintado.value(ventana->LblCtrol[0]), QString("Articulo %1").arg(kArticulos))
        << "the next tick shows the last one";
}

TEST_F(Dll_DisplayTest, ALongLineKeepsItsTextWithoutGrowingOrMovingTheWindow)
{
    cartel.CartelInicio("Actualizando Datos", true);
    Lbf_CtrlDisplay* ventana = unicoCartel();
    ASSERT_NE(ventana, nullptr);
    cartel.CartelMostrar(cancelado, "TORNILLO");
    const QRect lugar = ventana->geometry();

    const QString larga = QString("TORNILLO HEXAGONAL DE ACERO INOXIDABLE ").repeated(8);
    cartel.CartelMostrar(cancelado, larga);
    QCoreApplication::processEvents();
    EXPECT_EQ(ventana->LblCtrol[0]->text(), larga);
    EXPECT_EQ(ventana->geometry(), lugar);
    EXPECT_TRUE(ventana->screen()->availableGeometry().contains(ventana->frameGeometry()));
}

TEST_F(Dll_DisplayTest, ScreenshotsShowTheLinesTheAnimationAndTheButton)
{
    QDir().mkpath(CAPTURAS_DIR);
    struct Caso {
        const char* archivo;
        const char* titulo;
        bool permiteCancelar;
        QStringList lineas;
    };
    const QList<Caso> casos{
        {"cartel_con_cancelar.png",
         "Actualizando Datos",
         true,
         {"TORNILLO HEXAGONAL ACERO INOXIDABLE 8 X 40 MM", "Unidad KG = 1000 GR", "Artículo 125 de 1340"}},
        {"cartel_sin_cancelar.png",
         "Conectando Base de Datos",
         false,
         {"Iniciando Aplicacion", "equivalencias", "Espere por favor"}},
    };
    for (const auto& caso : casos) {
        cartel.CartelInicio(caso.titulo, caso.permiteCancelar);
        Lbf_CtrlDisplay* ventana = unicoCartel();
        ASSERT_NE(ventana, nullptr);
        cartel.CartelMostrar(cancelado, caso.lineas[0], caso.lineas[1], caso.lineas[2]);
        for (int tick = 0; tick < 4; ++tick) ventana->Timer1_Timer();

        const QImage captura = ventana->grab().toImage();
        ASSERT_TRUE(captura.save(QDir(CAPTURAS_DIR).filePath(caso.archivo)));
        EXPECT_EQ(captura.size() / captura.devicePixelRatio(), ventana->size());
        EXPECT_TRUE(contienePixel(captura, ventana->Image1->geometry(), esAzulGrisOscuro)) << caso.archivo;
        for (const auto* linea : ventana->LblCtrol)
            EXPECT_TRUE(contienePixel(captura, linea->geometry(), esTextoOscuro)) << caso.archivo;
        cartel.CartelCerrar();
    }
}
