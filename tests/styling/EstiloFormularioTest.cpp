#include "commandbar/UtilVex.h"
#include "platform/ui/VbColor.h"
#include "styling/EstiloFormulario.h"
#include "support/ProgramTest.h"
#include "suitesupport/QvSistema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QColor fondo(const QWidget& control, QPalette::ColorRole rol = QPalette::Window)
{
    return control.palette().color(rol);
}

// The pixel in the middle of a control's left edge.
QColor bordeIzquierdo(QWidget& control) { return control.grab().toImage().pixelColor(0, control.height() / 2); }

}  // namespace

class EstiloFormularioTest : public ProgramTest {
protected:
    static constexpr char kBase[] = "emp01";
    // The skin section of this user and database.
    static QString seccion(const QString& clave)
    {
        return QvSistema::NombreUsuarioSistema().toUpper() + "_EMP01" + clave;
    }

    template <typename Control>
    Control* agregar(const QString& texto = {})
    {
        auto* control = new Control(&ventana);
        if (!texto.isEmpty()) control->setProperty("text", texto);
        return control;
    }

    QWidget ventana;
};

TEST_F(EstiloFormularioTest, WithoutSettingsTheFourthStyleApplies)
{
    auto* gris = agregar<QLineEdit>();
    QPalette paleta = gris->palette();
    paleta.setColor(QPalette::Base, QColor(200, 200, 200));
    gris->setPalette(paleta);
    auto* blanca = agregar<QLineEdit>();
    auto* etiqueta = agregar<QLabel>("Código");
    AplicarEstiloFormulario(ventana, kBase);

    EXPECT_EQ(fondo(ventana), QColor(235, 236, 238));
    EXPECT_EQ(fondo(*gris, QPalette::Base), QColor(255, 255, 255)) << "a grey box becomes a field";
    EXPECT_EQ(fondo(*gris, QPalette::Text), QColor(42, 44, 46));
    EXPECT_EQ(fondo(*blanca, QPalette::Text), QApplication::palette().color(QPalette::Text)) << "a white box stays";
    EXPECT_EQ(fondo(*etiqueta, QPalette::WindowText), QColor(42, 44, 46));
    EXPECT_FALSE(etiqueta->autoFillBackground());
    EXPECT_EQ(etiqueta->font().family(), "Segoe UI");
    EXPECT_EQ(etiqueta->font().pointSizeF(), 9);
}

TEST_F(EstiloFormularioTest, UnreadableNumbersAreReportedByKeyAndValueAndTheDefaultsApply)
{
    writeProgramFile("du000ra.ini", "[" + seccion("FontSize") + "]\r\nFontSize=1e999\r\n[" + seccion("Styles")
                                        + "]\r\nStyles=9e99\r\n");
    auto* etiqueta = agregar<QLabel>("Código");
    operador->answer(vb::vbOK);
    operador->answer(vb::vbOK);
    AplicarEstiloFormulario(ventana, kBase);

    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("FontSize")) << operador->boxes()[0].prompt.toStdString();
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("1e999"));
    EXPECT_TRUE(operador->boxes()[1].prompt.contains("Styles")) << operador->boxes()[1].prompt.toStdString();
    EXPECT_TRUE(operador->boxes()[1].prompt.contains("9e99"));
    EXPECT_EQ(etiqueta->font().pointSizeF(), 9);
    EXPECT_EQ(fondo(ventana), QColor(235, 236, 238)) << "the fourth style";
}

TEST_F(EstiloFormularioTest, TheSettingsChooseFontSizeAndStyle)
{
    writeProgramFile("du000ra.ini", "[" + seccion("Font") + "]\r\nFont= DejaVu Serif \r\n[" + seccion("FontSize")
                                        + "]\r\nFontSize=11\r\n[" + seccion("Styles") + "]\r\nStyles=1\r\n");
    auto* etiqueta = agregar<QLabel>("Código");
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_EQ(fondo(ventana), QColor(205, 208, 211)) << "the light variant of style 1";
    EXPECT_EQ(etiqueta->font().family(), "DejaVu Serif");
    EXPECT_EQ(etiqueta->font().pointSizeF(), 11);

    AplicarEstiloFormulario(ventana, kBase, true, 2);
    EXPECT_EQ(fondo(ventana), QColor(242, 241, 225)) << "a style given by the caller wins";
    AplicarEstiloFormulario(ventana, kBase, true, 9);
    EXPECT_EQ(fondo(ventana), QColor(244, 245, 247)) << "an unknown style takes the default palette";
}

TEST_F(EstiloFormularioTest, LargeAndSymbolFontsAreKept)
{
    auto* titulo = agregar<QLabel>("Título");
    titulo->setFont(QFont("DejaVu Sans", 14));
    auto* simbolo = agregar<QLabel>("r");
    simbolo->setFont(QFont("Marlett", 8));
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_EQ(titulo->font().family(), "DejaVu Sans");
    EXPECT_EQ(titulo->font().pointSizeF(), 14);
    EXPECT_EQ(simbolo->font().family(), "Marlett");
}

TEST_F(EstiloFormularioTest, WhiteLabelsAndReservedLabels)
{
    const auto blanca = [this](bool opaca, const QColor& detras) {
        auto* etiqueta = agregar<QLabel>("x");
        QPalette paleta = etiqueta->palette();
        paleta.setColor(QPalette::WindowText, Qt::white);
        paleta.setColor(QPalette::Window, detras);
        etiqueta->setPalette(paleta);
        etiqueta->setAutoFillBackground(opaca);
        return etiqueta;
    };
    QLabel* sobreOscuro = blanca(true, QColor(20, 20, 80));
    QLabel* sobreClaro = blanca(true, QColor(250, 250, 200));
    QLabel* transparente = blanca(false, {});
    QLabel* total = blanca(false, {});
    total->setObjectName("LblTotal");
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_EQ(fondo(*sobreOscuro, QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(fondo(*sobreClaro, QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(transparente->autoFillBackground());
    EXPECT_EQ(fondo(*transparente), QColor(Qt::black));
    EXPECT_EQ(fondo(*transparente, QPalette::WindowText), QColor(Qt::white));
    EXPECT_FALSE(total->autoFillBackground()) << "LblTotal is left alone";
}

TEST_F(EstiloFormularioTest, ButtonsAreTintedByWhatTheyDo)
{
    auto* grabar = agregar<QPushButton>("&Grabar");
    auto* cerrar = agregar<QPushButton>("Cerrar Sistema");
    auto* otro = agregar<QPushButton>("Registrar");
    auto* porDefecto = agregar<QPushButton>("Seguir");
    porDefecto->setDefault(true);
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_EQ(fondo(*grabar, QPalette::Button), QColor(123, 187, 138));
    EXPECT_EQ(fondo(*grabar, QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(fondo(*cerrar, QPalette::Button), QColor(206, 131, 132));
    EXPECT_EQ(fondo(*otro, QPalette::Button), QColor(218, 221, 224));
    EXPECT_EQ(fondo(*porDefecto, QPalette::Button), QColor(123, 187, 138));

    AplicarEstiloFormulario(ventana, kBase, false);
    EXPECT_EQ(fondo(*otro, QPalette::ButtonText), QColor(36, 38, 40)) << "without the flat look only the text";
}

TEST_F(EstiloFormularioTest, ControlsOnATabPageTakeTheSystemFace)
{
    auto* pestanas = agregar<QTabWidget>();
    auto* pagina = new QWidget;
    auto* dentro = new QCheckBox("Activo", pagina);
    new QVBoxLayout(pagina);
    pestanas->addTab(pagina, "Uno");
    auto* fuera = agregar<QCheckBox>("Activo");
    auto* grilla = agregar<QTableWidget>();
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_TRUE(EnContenedorSSTab(*dentro));
    EXPECT_FALSE(EnContenedorSSTab(*fuera));
    EXPECT_EQ(fondo(*dentro), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(fondo(*fuera), QColor(235, 236, 238));
    EXPECT_EQ(fondo(*grilla, QPalette::Base), QColor(255, 255, 255));
    EXPECT_TRUE(grilla->styleSheet().contains("gridline-color: #d2d4d6")) << grilla->styleSheet().toStdString();
    EXPECT_TRUE(grilla->styleSheet().contains("background-color: #dadcde"));
}

TEST_F(EstiloFormularioTest, TheMenuWindowOnlyThemesItsBars)
{
    writeProgramFile("du000ra.ini", "[" + seccion("Styles") + "]\r\nStyles=1\r\n");
    ventana.setObjectName("frmMDI");
    auto* barra = new UtilVex(&ventana);
    auto* etiqueta = agregar<QLabel>("x");
    const QColor antes = fondo(*etiqueta, QPalette::WindowText);
    barra->SetEstilo(5);
    AplicarEstiloFormulario(ventana, kBase);
    EXPECT_EQ(fondo(ventana), QColor(38, 40, 42)) << "the dark variant of style 1";
    EXPECT_EQ(barra->Theme(), 2);
    EXPECT_EQ(barra->NormalBackColor(), vb::RGB(42, 42, 42));
    EXPECT_EQ(fondo(*etiqueta, QPalette::WindowText), antes);

    ventana.setObjectName("FrmEquivalencias");
    AplicarEstiloFormulario(ventana, kBase, true, 4);
    EXPECT_EQ(barra->Theme(), 2) << "other windows leave their bars alone";
}

TEST_F(EstiloFormularioTest, TheFlatLookDrawsOneThinLineAroundFieldsAndButtons)
{
    auto* caja = agregar<QLineEdit>();
    auto* combo = agregar<QComboBox>();
    combo->addItem("SQL Server");
    auto* grabar = agregar<QPushButton>("Grabar");
    for (QWidget* control : std::initializer_list<QWidget*>{caja, combo, grabar}) control->resize(120, 24);
    AplicarEstiloFormulario(ventana, kBase, false);
    EXPECT_NE(bordeIzquierdo(*caja), QColor(188, 192, 196));
    EXPECT_TRUE(caja->styleSheet().isEmpty());

    AplicarEstiloFormulario(ventana, kBase);
    const QColor linea(188, 192, 196);  // the grid header lines of style 4
    EXPECT_EQ(bordeIzquierdo(*caja), linea);
    EXPECT_EQ(caja->grab().toImage().pixelColor(60, 12), QColor(255, 255, 255)) << "the field keeps its own colour";
    caja->setEnabled(false);
    EXPECT_EQ(caja->grab().toImage().pixelColor(60, 12), fondo(ventana)) << "a disabled field looks disabled";
    EXPECT_EQ(bordeIzquierdo(*combo), linea);
    const QImage boton = grabar->grab().toImage();
    EXPECT_EQ(boton.pixelColor(60, 3), QColor(123, 187, 138)) << "the tinted face is shown";
    EXPECT_EQ(boton.pixelColor(0, 12), MezclarColor(QColor(123, 187, 138), Qt::black, 0.35));
}

TEST(EstiloFormulario, ColourHelpers)
{
    EXPECT_EQ(MezclarColor(QColor(0, 100, 200), QColor(100, 0, 200), 0.55), QColor(55, 45, 200));
    EXPECT_TRUE(EsColorOscuro(QColor(100, 100, 100)));
    EXPECT_FALSE(EsColorOscuro(QColor(140, 140, 140)));
    EXPECT_EQ(TemaDeEstilo(0), 1);
    EXPECT_EQ(TemaDeEstilo(1), 2);
    EXPECT_EQ(TemaDeEstilo(4), 5);
    EXPECT_EQ(TemaDeEstilo(7), 2);
    QPushButton salir("Salir");
    QPushButton nada("Ver");
    EXPECT_EQ(TipoBoton(salir), 2);
    EXPECT_EQ(TipoBoton(nada), 0);
}
