#include "commandbar/UtilVex.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/ConsultaCampos.h"
#include "lookups/Dll_Display.h"
#include "lookups/Lbf_CtrlDisplay.h"
#include "lookups/LineaCartel.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModeloConsulta.h"
#include "platform/db/Connection.h"
#include "platform/os/SpreadsheetWriter.h"
#include "platform/ui/BoundLabel.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "replication/ReplicaGrupo.h"
#include "session/AparienciaVentanas.h"
#include "session/BasesDeDatos.h"
#include "session/ManejoInteractivo.h"
#include "session/ParametrosSesion.h"
#include "session/Sesion.h"
#include "session/frmAcceso.h"
#include "suitesupport/QvFunciones.h"
#include "support/DatabaseTest.h"
#include "support/OperadorReal.h"
#include "support/QStringPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QProgressBar>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <sqlite3.h>

#include <functional>
#include <stdexcept>

namespace {

QString padded(const QString& code, int width) { return code.rightJustified(width, u' '); }

// Records every replication request; can act when the n-th one arrives.
class RecordingReplication : public Replicacion {
public:
    QVector<SolicitudReplica> requests;
    int actAt = -1;
    std::function<void()> action;

    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override
    {
        requests.append(solicitud);
        if (requests.size() == actAt && action) action();
    }
};

// A lookup window that answers with a chosen code.
class ChosenCode : public ConsultaCampos {
public:
    explicit ChosenCode(QString code) : code_(std::move(code)) {}
    QStringList asked;

    QString Consultar(const QString& tabla, const QString& textoActual) override
    {
        asked.append(tabla + "|" + textoActual);
        return code_;
    }

private:
    QString code_;
};

// Installs a lookup whose operator picks `code`; the test keeps a look at it.
ChosenCode* installLookup(const QString& code)
{
    auto chosen = std::make_unique<ChosenCode>(code);
    ChosenCode* lookup = chosen.get();
    Service<ConsultaCampos>::install(std::move(chosen));
    return lookup;
}

Lbf_CtrlDisplay* openBanner()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* banner = qobject_cast<Lbf_CtrlDisplay*>(window); banner && banner->isVisible()) return banner;
    }
    return nullptr;
}

}  // namespace

class FrmEquivalenciasTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        seed(
            {"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('CJ', 'Caja'), "
             "('KG', 'Kilogramo'), ('GR', 'Gramo'), ('DOC', 'Docena'), ('LT', 'Litro')",
             "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('" + padded("100", 25)
                 + "', 'Tornillo', 'UN'), ('A-2', 'Harina', 'KG'), ('A-3', 'Azucar', 'KG'), ('A-4', 'Sal', 'GR'), "
                   "('A-5', 'Aceite', 'LT'), ('A-6', 'Tuerca', 'UN')",
             "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES "
             "('" + padded("100", 25)
                 + "', 'CJ', 'UN', 12), ('" + padded("100", 25)
                 + "', 'DOC', 'UN', 12), "
                   "('A-2', 'KG', 'GR', 999)"});
        openCompany();
        gSesion().gColorFondoFoco = 16774118;
        ventana = std::make_unique<FrmEquivalencias>(gBaseDatos(), *replicas);
    }

    void TearDown() override
    {
        ventana.reset();
        DatabaseTest::TearDown();
    }

    // The window again, copying to the points of sale as the program does.
    void copyForReal()
    {
        ventana.reset();
        replicaReal = std::make_unique<ReplicaGrupo>(gBaseDatos());
        ventana = std::make_unique<FrmEquivalencias>(gBaseDatos(), *replicaReal);
    }

    // The window as the start-up leaves it, optionally fixed on an article.
    void show(const QString& articulo = {})
    {
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        ventana->FijarArticulo(articulo);
        ventana->Inicializa();
        tabs().setCurrentIndex(0);
    }

    // The window's controls, found by their object names.
    template <typename Control>
    Control& control(const QString& name) const
    {
        auto* found = ventana->findChild<Control*>(name);
        if (!found) throw std::runtime_error("the window has no control " + name.toStdString());
        return *found;
    }
    TextField& field(int index) const { return control<TextField>(QString("Txtfields_%1").arg(index)); }
    BoundLabel& description(int index) const { return control<BoundLabel>(QString("LblDesc_%1").arg(index)); }
    QLabel& label(const QString& name) const { return control<QLabel>(name); }
    QTableView& grid(const QString& name) const { return control<QTableView>(name); }
    QTabWidget& tabs() const { return control<QTabWidget>("SSTab1"); }
    UtilVex& bar() const { return control<UtilVex>("UtilVex1"); }
    // The window's focus field, also while a banner or a box has left it inactive.
    QWidget* focused() const { return ventana->focusWidget(); }

    // The window manager gives the focus back to the window once a box or the
    // banner is gone; the offscreen platform has none.
    void activate()
    {
        if (ventana->isActiveWindow()) return;
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    void press(Qt::Key key)
    {
        activate();
        QTest::keyClick(focused() ? focused() : ventana.get(), key);
    }
    // A key as a person types it: through the window system, the event loop
    // and the real message boxes, each answered with the button `caption`.
    // Returns the questions asked.
    QStringList pressAnswering(Qt::Key key, const QStringList& captions, std::function<void()> atEachBox = {})
    {
        return answering(
            captions, [this, key] { QTest::keyClick(ventana->windowHandle(), key); }, std::move(atEachBox));
    }
    QStringList pressAnswering(Qt::Key key, const QString& caption)
    {
        return pressAnswering(key, QStringList{caption});
    }
    // A click on a command of the bar, as pressAnswering.
    QStringList clickAnswering(const QString& command, const QString& caption)
    {
        return answering({caption}, [this, command] {
            QTest::mouseClick(&bar(), Qt::LeftButton, {}, bar().ItemRect(command).center());
        });
    }
    // Each box in turn is answered with the next caption.
    QStringList answering(const QStringList& captions, const std::function<void()>& act,
                          std::function<void()> atEachBox = {})
    {
        auto boxes = std::make_unique<OperadorReal>();
        OperadorReal* real = boxes.get();
        for (const QString& caption : captions) real->pressInBox(caption);
        real->onEachBox(std::move(atEachBox));
        std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(boxes));
        activate();
        EXPECT_NO_THROW(act()) << "the program ended";
        activate();
        EXPECT_EQ(real->markupBoxes(), 0) << "texts in boxes are plain text";
        const QStringList asked = real->prompts();
        Service<Dialogs>::install(std::move(scripted));
        return asked;
    }
    // Types into the focused field and confirms it with Enter.
    void typeAndConfirm(const QString& text)
    {
        activate();
        auto* target = qobject_cast<TextField*>(focused());
        ASSERT_NE(target, nullptr);
        target->clear();
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Return);
    }

    long count(const QString& where) const
    {
        return gBaseDatos().gCnn.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + where).Fields(0).Value().toLong();
    }

    double coefficient(const QString& where) const
    {
        return gBaseDatos()
            .gCnn.Execute("SELECT COEFICIENTE FROM S_TA_EQUIV WHERE " + where)
            .Fields(0)
            .Value()
            .toDouble();
    }

    // A grid read through its model, numbered as the suite numbers its grids:
    // row 0 is the header row, lines start at 1, and the rows count both.
    static int rows(const QTableView& grid) { return grid.model()->rowCount() + 1; }
    static QString text(const QTableView& grid, int row, int col)
    {
        const QAbstractItemModel& lines = *grid.model();
        if (row == 0) return lines.headerData(col, Qt::Horizontal).toString();
        return lines.index(row - 1, col).data().toString();
    }
    static QStringList gridColumn(const QTableView& grid, int col)
    {
        QStringList values;
        for (int row = 1; row < rows(grid); ++row) values.append(text(grid, row, col));
        return values;
    }

    // Starts a new equivalence of the article 100 in units CJ and UN from the keyboard.
    void enterNewKey(const QString& unit, const QString& equivalent)
    {
        press(Qt::Key_F3);
        typeAndConfirm("100");
        typeAndConfirm(unit);
        typeAndConfirm(equivalent);
    }
    // The pair of units of the generic tab, typed in from its first field.
    void enterPair(const QString& unit, const QString& equivalent)
    {
        tabs().setCurrentIndex(1);
        field(4).setFocus();
        typeAndConfirm(unit);
        typeAndConfirm(equivalent);
    }

    // The program's start as the suite makes it, signed in as ANA, fixed on article 100.
    void startAsAnaOnArticle100()
    {
        seed({"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('ANA', 'QURO', '"
              + QvFunciones::Encriptar("Secreto") + "')"});
        gBaseDatos() = DB_Dll(std::make_unique<ManejoInteractivo>());
        FijarLineaComandoProceso(
            " ; @server=LOCAL; @dbname=EMPRESA; @usuario=ANA; @Password=Secreto; "
            "@ParametroAdicional=100; quro@ ; @UsuarioLogeado = ANA; @Caja=1;");
        ASSERT_TRUE(ventana->Form_Load());
        ventana->show();
    }

    void saveScreenshot(QWidget& widget, const QString& name) const
    {
        QDir().mkpath(CAPTURAS_DIR);
        EXPECT_TRUE(widget.grab().save(QDir(CAPTURAS_DIR).filePath(name)));
    }

    const std::unique_ptr<RecordingReplication> replicas = std::make_unique<RecordingReplication>();
    std::unique_ptr<ReplicaGrupo> replicaReal;
    std::unique_ptr<FrmEquivalencias> ventana;
};

TEST_F(FrmEquivalenciasTest, TheWindowShowsItsControlsInTheBrowseState)
{
    show();
    EXPECT_EQ(ventana->windowTitle(), "Actualización de Equivalencias");
    EXPECT_EQ(tabs().tabText(0), "Equivalencias");
    EXPECT_EQ(tabs().tabText(1), "Especiales");
    EXPECT_EQ(grid("MSFlexGrid1").model()->columnCount(), 7);
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 2);
    EXPECT_EQ(text(grid("MSFlexGrid1"), 0, 6), "Coeficiente");
    EXPECT_TRUE(grid("MSFlexGrid1").isColumnHidden(0)) << "the ID column has width 0";
    EXPECT_EQ(grid("MSFlexGrid1").columnWidth(2), ventana->fontMetrics().horizontalAdvance("XXXXXX"));
    EXPECT_EQ(field(0).maxLength(), 25);
    EXPECT_EQ(field(1).maxLength(), 4);
    EXPECT_TRUE(bar().NuevoEnabled());
    EXPECT_TRUE(bar().CerrarEnabled());
    EXPECT_FALSE(bar().GrabarEnabled());
    EXPECT_FALSE(bar().BorrarEnabled());
    EXPECT_FALSE(bar().CancelarEnabled());
    EXPECT_FALSE(bar().PlanillaVisible());
    EXPECT_TRUE(bar().PlanillaEnabled());
    EXPECT_DOUBLE_EQ(bar().ItemHeight(), 600) << "the bar's saved sizes";
    EXPECT_DOUBLE_EQ(bar().IconSize(), 630);
    EXPECT_EQ(bar().IconPx(), 42);
    EXPECT_FALSE(field(3).isEnabled()) << "the coefficient waits for a complete key";
    EXPECT_EQ(description(0).text(), "...");
}

TEST_F(FrmEquivalenciasTest, ANewEquivalenceIsRecordedFromTheKeyboard)
{
    show();
    press(Qt::Key_F3);
    EXPECT_TRUE(ventana->EnAlta());
    EXPECT_EQ(focused(), &field(0));
    EXPECT_TRUE(bar().NuevoEnabled()) << "the bar stays in browse until the key is complete";

    typeAndConfirm(" 100 ");
    EXPECT_EQ(field(1).text(), "UN") << "the article's base unit";
    EXPECT_EQ(description(1).text(), "Tornillo");
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 3);
    EXPECT_EQ(focused(), &field(1));

    typeAndConfirm("CJ");
    EXPECT_EQ(description(0).text(), "Caja");
    typeAndConfirm("GR");
    EXPECT_TRUE(ventana->EnAlta());
    EXPECT_TRUE(bar().GrabarEnabled());
    EXPECT_FALSE(bar().NuevoEnabled());
    EXPECT_TRUE(field(3).isEnabled());
    EXPECT_EQ(focused(), &field(3));
    EXPECT_EQ(label("LblEj").text(), "Ej:  1 Caja equivale a  Gramo");

    typeAndConfirm("1500,5");
    EXPECT_EQ(label("LblEj").text(), "Ej:  1 Caja equivale a 1500,5 Gramo; 1 Gramo equivale a 0,0006664 Caja")
        << "the comma stays as typed";
    press(Qt::Key_F2);
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR' AND COEFICIENTE = 1500.5 AND PARATODOS IS NULL"), 1);
    ASSERT_EQ(replicas->requests.size(), 1);
    EXPECT_EQ(replicas->requests[0].Tabla, "S_TA_EQUIV");
    EXPECT_EQ(replicas->requests[0].Operacion, 1);
    EXPECT_EQ(replicas->requests[0].Claves[0], "'" + padded("100", 25) + "'");
    EXPECT_EQ(replicas->requests[0].Claves[1], "'CJ'");
    EXPECT_EQ(replicas->requests[0].Claves[2], "'GR'");
    EXPECT_FALSE(ventana->EnAlta());
    EXPECT_EQ(field(0).text(), "") << "back to browse with empty fields";
    EXPECT_TRUE(bar().NuevoEnabled());
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(FrmEquivalenciasTest, AnExistingKeyIsEditedAndOnlyItsCoefficientChanges)
{
    show();
    enterNewKey("DOC", "UN");
    EXPECT_TRUE(ventana->EnModificacion());
    EXPECT_EQ(field(3).text(), "12") << "the stored coefficient is shown";
    typeAndConfirm("6");
    press(Qt::Key_F2);
    EXPECT_EQ(coefficient("IDUNIDAD = 'DOC'"), 6);
    EXPECT_EQ(count("1 = 1"), 3);
    EXPECT_EQ(replicas->requests.size(), 1);
}

TEST_F(FrmEquivalenciasTest, DoubleClickingAGridRowLoadsItForEditing)
{
    show();
    press(Qt::Key_F3);
    typeAndConfirm("100");
    const int row = gridColumn(grid("MSFlexGrid1"), 2).indexOf("DOC") + 1;
    ASSERT_GT(row, 0);
    const QRect cell = grid("MSFlexGrid1").visualRect(grid("MSFlexGrid1").model()->index(row - 1, 2));
    // The first click of a double click, then the double click itself.
    QTest::mouseClick(grid("MSFlexGrid1").viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid("MSFlexGrid1").viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(ventana->EnModificacion());
    EXPECT_EQ(field(1).text(), "DOC");
    EXPECT_EQ(field(2).text(), "UN");
    EXPECT_EQ(field(3).text(), "12");
    EXPECT_TRUE(bar().BorrarEnabled());
    EXPECT_TRUE(bar().GrabarEnabled());
}

TEST_F(FrmEquivalenciasTest, DeletingAsksThenRemovesTheRowAndReplicatesTheDeletion)
{
    show();
    enterNewKey("CJ", "UN");
    operador->answer(vb::vbNo);
    press(Qt::Key_F10);
    EXPECT_EQ(count("IDUNIDAD = 'CJ'"), 1);
    operador->answer(vb::vbYes);
    press(Qt::Key_F10);
    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[1].prompt, "Confirma la baja de este registro?");
    EXPECT_EQ(operador->boxes()[1].title, "Atención!");
    EXPECT_EQ(operador->boxes()[1].buttons, vb::vbExclamation + vb::vbYesNo + vb::vbDefaultButton2);
    EXPECT_EQ(count("IDUNIDAD = 'CJ'"), 0);
    EXPECT_EQ(count("1 = 1"), 2);
    ASSERT_EQ(replicas->requests.size(), 1);
    EXPECT_EQ(replicas->requests[0].Operacion, 3);
    EXPECT_FALSE(ventana->EnBaja());
}

TEST_F(FrmEquivalenciasTest, CancellingAsksAndOnlyYesEmptiesTheEntries)
{
    show();
    enterNewKey("CJ", "GR");
    operador->answer(vb::vbNo);
    press(Qt::Key_Escape);
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_TRUE(ventana->EnAlta());
    operador->answer(vb::vbYes);
    press(Qt::Key_Escape);
    EXPECT_EQ(operador->boxes().last().prompt, "¿Realmente desea abandonar la carga de datos?");
    EXPECT_EQ(operador->boxes().last().title, "Aviso al Operador");
    EXPECT_EQ(field(0).text(), "");
    EXPECT_FALSE(ventana->EnAlta());
}

TEST_F(FrmEquivalenciasTest, ValidationMessagesKeepTheFocusInTheField)
{
    show();
    press(Qt::Key_F3);
    operador->answer(vb::vbOK);
    typeAndConfirm("NOEXISTE");
    EXPECT_EQ(operador->boxes().last().prompt, " Codigo de Articulo Inexistente");
    EXPECT_EQ(operador->boxes().last().title, "Aviso al operador...");
    EXPECT_EQ(operador->boxes().last().buttons, vb::vbInformation);
    EXPECT_EQ(focused(), &field(0));
    EXPECT_TRUE(ventana->HayError());

    typeAndConfirm("100");
    operador->answer(vb::vbOK);
    typeAndConfirm("ZZ");
    EXPECT_EQ(operador->boxes().last().prompt, " Codigo de Unidad Inexistente");
    operador->answer(vb::vbOK);
    typeAndConfirm("");
    EXPECT_EQ(operador->boxes().last().prompt, " Debe informar el Codigo!");
    EXPECT_EQ(focused(), &field(1));
}

TEST_F(FrmEquivalenciasTest, TabValidatesTheFieldItLeavesThroughTheRealEventLoop)
{
    show();
    press(Qt::Key_F3);
    QTest::keyClicks(&field(0), "NOEXISTE");
    EXPECT_EQ(pressAnswering(Qt::Key_Tab, "OK"), QStringList{" Codigo de Articulo Inexistente"});
    EXPECT_EQ(focused(), &field(0)) << "a failed field keeps the focus";

    field(0).clear();
    QTest::keyClicks(&field(0), "100");
    EXPECT_TRUE(pressAnswering(Qt::Key_Tab, QStringList{}).isEmpty());
    EXPECT_EQ(description(1).text(), "Tornillo");
    EXPECT_EQ(field(1).text(), "UN");
    EXPECT_EQ(focused(), &field(1));

    field(1).clear();
    QTest::keyClicks(&field(1), "CJ");
    pressAnswering(Qt::Key_Tab, QStringList{});
    QTest::keyClicks(&field(2), "GR");
    EXPECT_TRUE(pressAnswering(Qt::Key_Tab, QStringList{}).isEmpty());
    EXPECT_TRUE(ventana->EnAlta());
    EXPECT_TRUE(field(3).isEnabled()) << "the key is complete";
    EXPECT_EQ(focused(), &field(3));
}

TEST_F(FrmEquivalenciasTest, ShiftTabAndAClickValidateOnceWhatTheOperatorChanged)
{
    show();
    press(Qt::Key_F3);
    QTest::keyClicks(&field(0), "NOEXISTE");
    operador->answer(vb::vbOK);
    QTest::keyClick(&field(0), Qt::Key_Backtab);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes().last().prompt, " Codigo de Articulo Inexistente");
    EXPECT_EQ(focused(), &field(0));

    typeAndConfirm("100");
    EXPECT_EQ(focused(), &field(1));
    QTest::keyClick(&field(1), Qt::Key_Backtab);
    EXPECT_EQ(focused(), &field(0)) << "an unchanged field is left without a check";
    QTest::keyClick(&field(0), Qt::Key_Tab);
    EXPECT_EQ(focused(), &field(1)) << "what Enter validated is not validated again";
    EXPECT_EQ(operador->boxes().size(), 1);

    field(1).clear();
    QTest::keyClicks(&field(1), "ZZ");
    operador->answer(vb::vbOK);
    QTest::mouseClick(&field(2), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return operador->boxes().size() == 2; }));
    EXPECT_EQ(operador->boxes().last().prompt, " Codigo de Unidad Inexistente");
    EXPECT_EQ(focused(), &field(1)) << "the focus comes back to the field clicked away from";
}

TEST_F(FrmEquivalenciasTest, EachCommandsToolTipNamesTheKeyThatRaisesIt)
{
    show();
    const auto toolTip = [this](const QString& command) {
        const QPoint centro = bar().ItemRect(command).center();
        QHelpEvent ayuda(QEvent::ToolTip, centro, bar().mapToGlobal(centro));
        QApplication::sendEvent(&bar(), &ayuda);
        return QToolTip::text();
    };
    const QList<std::pair<QString, QString>> teclas{
        {"GRABAR", "Grabar cambios (F2)"},
        {"NUEVO", "Crear nuevo (F3)"},
        {"REPORTE", "Abrir reportes / impresiones (F4)"},
        {"CONSULTAR", "Consultar (F5)"},
        {"BORRAR", "Borrar actual (F10)"},
        {"CANCELAR", "Cancelar edicion en curso (Esc)"},
        {"CERRAR", "Cerrar formulario (Esc)"},
        {"VERIFICAR", "Verificar la consistencia de las equivalencias (F8)"},
        {"ENVIAR", "Enviar las copias pendientes a los puntos de venta y al grupo"}};
    for (const auto& [comando, texto] : teclas) EXPECT_EQ(toolTip(comando), texto) << comando.toStdString();
}

TEST_F(FrmEquivalenciasTest, EveryWindowShowsTheProgramsIcon)
{
    AsignarIconoPrograma();
    const QImage programa = IconoPrograma().pixmap(32).toImage();
    ASSERT_FALSE(programa.isNull());
    const auto icono = [](const QWidget& ventana) { return ventana.windowIcon().pixmap(32).toImage(); };

    frmAcceso acceso;
    EXPECT_EQ(icono(acceso), programa) << "the login window";
    Lib_FrmCons3 lista(gBaseDatos());
    EXPECT_EQ(icono(lista), programa) << "the lookups' list";
    EXPECT_EQ(icono(*ventana), programa) << "the main window";

    Dll_Display cartel;
    cartel.CartelInicio("Grabando", false);
    QWidget* banner = nullptr;
    for (QWidget* abierta : QApplication::topLevelWidgets())
        if (qobject_cast<Lbf_CtrlDisplay*>(abierta)) banner = abierta;
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(icono(*banner), programa) << "the banner";
    cartel.CartelCerrar();
}

TEST_F(FrmEquivalenciasTest, NumbersAreShownWithADecimalCommaAndReadWithEitherSeparator)
{
    show();
    enterNewKey("CJ", "GR");
    typeAndConfirm("12,5");
    EXPECT_EQ(field(3).text(), "12,5");
    EXPECT_EQ(label("LblEj").text(), "Ej:  1 Caja equivale a 12,5 Gramo; 1 Gramo equivale a 0,08 Caja");
    saveScreenshot(*ventana, "coeficiente-con-coma.png");
    press(Qt::Key_F2);
    EXPECT_DOUBLE_EQ(coefficient("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 12.5);

    enterNewKey("CJ", "GR");
    EXPECT_TRUE(gridColumn(grid("MSFlexGrid1"), 6).contains("12,5")) << "the grid";
    EXPECT_EQ(field(3).text(), "12,5") << "the stored coefficient";
    typeAndConfirm("1.234,5");
    press(Qt::Key_F2);
    EXPECT_DOUBLE_EQ(coefficient("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 1234.5) << "a thousands separator";

    enterNewKey("KG", "GR");
    typeAndConfirm("0.5");
    EXPECT_EQ(label("LblEj").text(), "Ej:  1 Kilogramo equivale a 0.5 Gramo; 1 Gramo equivale a 2 Kilogramo");
    press(Qt::Key_F2);
    EXPECT_DOUBLE_EQ(
        coefficient("IDARTICULO = '" + padded("100", 25) + "' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'"), 0.5)
        << "a dot still reads as decimals";
}

TEST_F(FrmEquivalenciasTest, EqualUnitsAskForACoefficientOfOne)
{
    show();
    enterNewKey("UN", "un");
    operador->answer(vb::vbOK);
    typeAndConfirm("2");
    EXPECT_EQ(operador->boxes().last().prompt, "Si las equivalencias son las mismas, la cantidad debe ser 1");
    EXPECT_EQ(field(3).text(), "1");
    typeAndConfirm("1.0");
    EXPECT_FALSE(ventana->HayError());
}

TEST_F(FrmEquivalenciasTest, ACoefficientMustBeAPositiveNumberOnBothTabs)
{
    show();
    enterNewKey("CJ", "GR");
    for (const char* wrong : {"0", "-2", ""}) {
        operador->answer(vb::vbOK);
        typeAndConfirm(wrong);
        EXPECT_EQ(operador->boxes().last().prompt, " El Coeficiente debe ser un numero mayor que cero") << wrong;
        EXPECT_EQ(focused(), &field(3));
    }
    field(3).setText("abc");
    operador->answer(vb::vbOK);
    press(Qt::Key_F2);
    EXPECT_EQ(operador->boxes().last().prompt, " El Coeficiente debe ser un numero mayor que cero");
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 0);

    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    operador->answer(vb::vbOK);
    typeAndConfirm("0");
    EXPECT_EQ(operador->boxes().last().prompt, " El Coeficiente debe ser un numero mayor que cero");
}

TEST_F(FrmEquivalenciasTest, TheNumericFieldKeepsOutLettersAndQuotesBecomeAccents)
{
    show();
    enterNewKey("CJ", "GR");
    QTest::keyClicks(&field(3), "1a,5");
    EXPECT_EQ(field(3).text(), "1,5");
    field(0).setEnabled(true);
    field(0).setFocus();
    field(0).clear();
    QTest::keyClicks(&field(0), "O'X");
    EXPECT_EQ(field(0).text(), "O´X");
}

TEST_F(FrmEquivalenciasTest, FieldsWithoutALookupIgnoreF5AndRightClicks)
{
    show();
    ChosenCode* lookup = installLookup("CJ");
    enterNewKey("CJ", "GR");
    EXPECT_FALSE(bar().ConsultaEnabled()) << "the coefficient has no lookup table";
    press(Qt::Key_F5);
    QTest::mouseClick(&field(3), Qt::RightButton);
    EXPECT_TRUE(lookup->asked.isEmpty());
}

TEST_F(FrmEquivalenciasTest, ARightClickOpensTheLookupAndTheCodeIsValidatedAsTyped)
{
    show();
    ChosenCode* lookup = installLookup(" 100 ");
    press(Qt::Key_F3);
    QTest::keyClicks(&field(0), "10");
    QTest::mouseClick(&field(0), Qt::RightButton);
    EXPECT_EQ(lookup->asked, QStringList{"V_ma_articulos|10"});
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_EQ(field(1).text(), "UN") << "confirmed as if Enter was typed";
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 3);
}

TEST_F(FrmEquivalenciasTest, ALookupLeftWithoutAChoiceKeepsTheFieldAndDoesNotValidateIt)
{
    show();
    ChosenCode* lookup = installLookup("");
    press(Qt::Key_F3);
    QTest::keyClicks(&field(0), "A-2");
    QTest::mouseClick(&field(0), Qt::RightButton);
    ASSERT_EQ(lookup->asked.size(), 1);
    EXPECT_EQ(field(0).text(), "A-2");
    EXPECT_EQ(field(1).text(), "") << "not confirmed: the article's unit is not filled in";
}

TEST_F(FrmEquivalenciasTest, TheArticleGridListsItsRowsAndShowsMissingUnitsEmpty)
{
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES ('A-6', 'XX', 'UN', 3)"});
    show();
    press(Qt::Key_F3);
    typeAndConfirm("A-6");
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 2);
    EXPECT_EQ(text(grid("MSFlexGrid1"), 1, 2), "XX");
    EXPECT_EQ(text(grid("MSFlexGrid1"), 1, 3), "") << "a unit missing from V_TA_UNIDAD";
    EXPECT_EQ(text(grid("MSFlexGrid1"), 1, 5), "Unidad");
    EXPECT_TRUE(operador->boxes().isEmpty());

    typeAndConfirm("UN");
    press(Qt::Key_F3);
    typeAndConfirm("A-5");
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 2);
    EXPECT_EQ(text(grid("MSFlexGrid1"), 1, 2), "") << "no equivalences: one empty row";
}

TEST_F(FrmEquivalenciasTest, TheGenericSaveWritesARowForEveryArticleOfEitherUnit)
{
    show();
    tabs().setCurrentIndex(1);
    press(Qt::Key_F3);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_TRUE(ventana->EnAlta());
    typeAndConfirm("1000");
    EXPECT_EQ(label("LblEj2").text(), "Ej:  1 Kilogramo equivale a 1000 Gramo; 1 Gramo equivale a 0,001 Kilogramo");
    operador->answer(vb::vbNo);
    press(Qt::Key_F2);
    EXPECT_EQ(operador->boxes().last().prompt,
              "La equivalencia se grabará en 3 artículos.\n1 artículo ya la tiene y se sobrescribirá su coeficiente:"
              "\n    999 en 1 artículo\nNo se replicará a otras bases.\n\n¿Desea continuar?");
    EXPECT_EQ(count("PARATODOS = 1"), 0) << "\"No\" writes nothing";
    EXPECT_TRUE(ventana->EnAlta()) << "and leaves the entry as it was";
    EXPECT_EQ(field(6).text(), "1000");

    operador->answer(vb::vbYes);
    press(Qt::Key_F2);
    EXPECT_EQ(count("PARATODOS = 1 AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR' AND COEFICIENTE = 1000"), 3)
        << "A-2 and A-3 (KG) and A-4 (GR)";
    EXPECT_EQ(count("IDARTICULO = 'A-2' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'"), 1)
        << "the article's own row was replaced, not doubled";
    EXPECT_EQ(replicas->requests.size(), 3);
    EXPECT_EQ(rows(grid("MSFlexGrid2")), 2);
    EXPECT_EQ(text(grid("MSFlexGrid2"), 1, 0), "KG");
    EXPECT_EQ(text(grid("MSFlexGrid2"), 1, 4), "1000");
    EXPECT_EQ(openBanner(), nullptr);
}

TEST_F(FrmEquivalenciasTest, TheGenericSaveCanBeCancelledKeepingWhatItWrote)
{
    seed(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('B-1', 'Arroz', 'KG'), "
         "('B-2', 'Polenta', 'KG'), ('B-3', 'Fideos', 'KG')"});
    show();
    ventana->FijarArticulosPorTramo(1);  // a stretch per article, to stop between them
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    press(Qt::Key_F3);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    typeAndConfirm("1000");
    QString progreso;
    bool barraVisible = false;
    replicas->actAt = 2;
    replicas->action = [&] {
        Lbf_CtrlDisplay* banner = openBanner();
        if (!banner) return;
        progreso = banner->LblCtrol[0]->text() + " | " + banner->LblCtrol[1]->text();
        barraVisible = banner->BarraAvance->isVisible() && banner->BarraAvance->value() > 0;
        saveScreenshot(*banner, "cartel-n-de-N.png");
        banner->CmdDisplayCancelar->click();
    };
    operador->answer(vb::vbYes);
    operador->answer(vb::vbYes);
    press(Qt::Key_F2);

    EXPECT_EQ(progreso, "Harina | 1 de 6") << "the first stretch shown while the second is written";
    EXPECT_TRUE(barraVisible);

    EXPECT_EQ(operador->boxes().last().prompt, "-Desea cancelar la grabacion?.");
    EXPECT_EQ(operador->boxes().last().title, "Atención");
    EXPECT_EQ(operador->boxes().last().buttons, vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2);
    EXPECT_EQ(count("PARATODOS = 1"), 2) << "rows written before the question stay";
    EXPECT_EQ(replicas->requests.size(), 2) << "and each has its copy";
    EXPECT_EQ(text(grid("MSFlexGrid2"), 1, 0), "") << "the grid is not refreshed";
    EXPECT_EQ(openBanner(), nullptr);
}

TEST_F(FrmEquivalenciasTest, ACancelledGenericSaveHasCommittedEveryRowItWroteWhenItAsks)
{
    seed(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('B-1', 'Arroz', 'KG'), "
         "('B-2', 'Polenta', 'KG'), ('B-3', 'Fideos', 'KG')"});
    show();
    ventana->FijarArticulosPorTramo(1);  // a stretch per article, to stop between them
    press(Qt::Key_F3);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    typeAndConfirm("1000");
    replicas->actAt = 2;
    replicas->action = [] {
        if (Lbf_CtrlDisplay* banner = openBanner()) banner->CmdDisplayCancelar->click();
    };
    QVector<long> committedWhenAsked;
    const QStringList asked =
        pressAnswering(Qt::Key_F2, {"&Sí", "&Sí"}, [&] { committedWhenAsked.append(count("PARATODOS = 1")); });

    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith("La equivalencia se grabará en 6 artículos.")) << asked[0].toStdString();
    EXPECT_EQ(asked[1], "-Desea cancelar la grabacion?.");
    EXPECT_EQ(committedWhenAsked, (QVector<long>{0, 2})) << "the second article was written before the question";
    EXPECT_EQ(count("PARATODOS = 1"), 2);
}

TEST_F(FrmEquivalenciasTest, AnErrorInAGenericSaveIsShownWithTheRowsBeforeItCommitted)
{
    seed(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('C-1', 'Vino', 'LT'), "
         "('C-2', 'Leche', 'LT'), ('C-3', 'Agua', 'LT')"});
    // The third generic row is refused.
    sqlite3* base = nullptr;
    ASSERT_EQ(sqlite3_open(QDir(dataFolder()).filePath("EMPRESA.sqlite").toUtf8().constData(), &base), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(base,
                           "CREATE TRIGGER rechaza_tercera BEFORE INSERT ON S_TA_EQUIV "
                           "WHEN (SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1) >= 2 "
                           "BEGIN SELECT RAISE(ABORT, 'rechazada'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(base);
    show();
    ventana->FijarArticulosPorTramo(1);  // a stretch per article, to stop between them
    press(Qt::Key_F3);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("LT");
    typeAndConfirm("CJ");
    typeAndConfirm("6");
    QVector<long> committedWhenShown;
    const QStringList shown =
        pressAnswering(Qt::Key_F2, {"&Sí", "A&bortar"}, [&] { committedWhenShown.append(count("PARATODOS = 1")); });

    ASSERT_EQ(shown.size(), 2) << "the question before the save, then the error";
    EXPECT_TRUE(shown[1].startsWith("Ha ocurrido el Siguiente Error (")) << shown[1].toStdString();
    EXPECT_EQ(committedWhenShown, (QVector<long>{0, 2}));
    EXPECT_EQ(count("PARATODOS = 1"), 2);
    EXPECT_EQ(replicas->requests.size(), 2);
}

TEST_F(FrmEquivalenciasTest, AGenericDeletionKeepsPerArticleRows)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
         "('A-3', 'KG', 'GR', 1000, 1), ('A-4', 'KG', 'GR', 1000, 1)"});
    show();
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_TRUE(ventana->EnModificacion());
    operador->answer(vb::vbYes);
    press(Qt::Key_F10);
    EXPECT_EQ(count("PARATODOS = 1"), 0);
    EXPECT_EQ(count("IDARTICULO = 'A-2'"), 1) << "the per-article row of the same pair stays";
    ASSERT_EQ(replicas->requests.size(), 1) << "the points of sale drop the same generic rows";
    const SolicitudReplica& borrado = replicas->requests[0];
    EXPECT_EQ(borrado.Operacion, 3);
    EXPECT_EQ(borrado.Condicion, "PARATODOS = 1 AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'");
    EXPECT_EQ(borrado.Claves, (std::array<QString, 6>{}));
}

TEST_F(FrmEquivalenciasTest, AGenericDeletionTheDatabaseRefusesIsReportedAndNothingIsClearedOrCopied)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
         "('A-3', 'KG', 'GR', 1000, 1)"});
    seedNative({"CREATE TRIGGER rechazo BEFORE DELETE ON S_TA_EQUIV BEGIN SELECT RAISE(ABORT, 'baja rechazada'); END"},
               kCompany, kServer);
    show();
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    const QStringList shown = pressAnswering(Qt::Key_F10, {"&Sí", "A&bortar"});

    ASSERT_EQ(shown.size(), 2) << "the question, then the error";
    EXPECT_TRUE(shown[1].contains("baja rechazada")) << shown[1].toStdString();
    EXPECT_EQ(count("PARATODOS = 1"), 1);
    EXPECT_TRUE(replicas->requests.isEmpty());
    EXPECT_EQ(field(4).text().trimmed(), "KG");
    EXPECT_EQ(field(5).text().trimmed(), "GR");
}

TEST_F(FrmEquivalenciasTest, ASecondSaveWhileTheFirstIsCopyingIsRefusedThroughTheRealEventLoop)
{
    copyForReal();
    show();
    press(Qt::Key_F3);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    typeAndConfirm("1000");
    QStringList asked;
    activate();
    operador->answer(vb::vbYes);
    // Runs while the generic save lets window events through.
    QTimer::singleShot(0, [&] { asked = pressAnswering(Qt::Key_F2, "OK"); });
    QTest::keyClick(focused(), Qt::Key_F2);

    EXPECT_EQ(asked, QStringList{"Se están enviando los cambios a los puntos de venta. Espere a que termine la "
                                 "grabación en curso."});
    EXPECT_EQ(count("PARATODOS = 1"), 3);
}

TEST_F(FrmEquivalenciasTest, APointOfSaleThatWasDownGetsItsPendingCopyFromTheBarsCommand)
{
    addServer("TPVS", TestEngine::SQLite);
    seed(
        {"INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, INTERNET, BAJA) "
         "VALUES ('0001', 'Centro', 'TPVS', 'TPV01', 0, 0)"});
    copyForReal();
    const auto pendingMark = [this] {
        return read("SELECT PEND_ARTICULOS FROM V_TA_TPV WHERE CODIGO = '0001'").Fields(0).Value().toBool();
    };
    show();
    enterNewKey("CJ", "GR");
    typeAndConfirm("10");
    operador->answer(vb::vbOK);
    press(Qt::Key_F2);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith("No se pudo conectar al Punto de ventas Centro"));
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 1) << "the company's row is written anyway";
    EXPECT_TRUE(pendingMark());

    createCompanyDatabase("TPV01", "TPVS");
    EXPECT_EQ(clickAnswering("ENVIAR", "OK"), QStringList{"No quedan copias pendientes para otras bases de datos."});
    EXPECT_EQ(read("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDUNIDAD = 'CJ' AND COEFICIENTE = 10", "TPV01", "TPVS")
                  .Fields(0)
                  .Value()
                  .toLong(),
              1);
    EXPECT_EQ(read("SELECT COUNT(*) FROM REPLICA_PENDIENTES").Fields(0).Value().toLong(), 0);
    EXPECT_FALSE(pendingMark());
}

TEST_F(FrmEquivalenciasTest, CopiesLeftPendingByAnEarlierRunAreSentOnceTheWindowIsUp)
{
    addServer("TPVS", TestEngine::SQLite);
    createCompanyDatabase("TPV01", "TPVS");
    const auto clave = [](const QString& codigo) { return EntreComillas(EntreComillas(codigo)); };
    seed(
        {"INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, INTERNET, BAJA) "
         "VALUES ('0001', 'Centro', 'TPVS', 'TPV01', 0, 0)",
         "INSERT INTO REPLICA_PENDIENTES (DESTINO, CODIGO_TPV, TABLA, CLAVE1, CLAVE2, CLAVE3, CLAVE4, CLAVE5, "
         "CLAVE6, CONDICION, OPERACION) VALUES ('TPV', '0001', 'S_TA_EQUIV', "
             + clave(padded("100", 25)) + ", " + clave("CJ") + ", " + clave("UN") + ", '', '', '', '', 1)"});
    copyForReal();
    startAsAnaOnArticle100();

    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return read("SELECT COUNT(*) FROM REPLICA_PENDIENTES").Fields(0).Value().toLong() == 0; }));
    EXPECT_EQ(read("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDUNIDAD = 'CJ' AND COEFICIENTE = 12", "TPV01", "TPVS")
                  .Fields(0)
                  .Value()
                  .toLong(),
              1);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(FrmEquivalenciasTest, SelectingTheSpecialTabReloadsItsGridEveryTime)
{
    show();
    tabs().setCurrentIndex(1);
    EXPECT_EQ(text(grid("MSFlexGrid2"), 1, 0), "");
    tabs().setCurrentIndex(0);
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
         "('A-3', 'KG', 'GR', 1000, 1), ('A-4', 'KG', 'GR', 1000, 1), ('A-6', 'CJ', 'UN', 12, 1), "
         "('A-5', 'CJ', 'UN', 10, 1)"});
    tabs().setCurrentIndex(1);
    EXPECT_EQ(rows(grid("MSFlexGrid2")), 4) << "one line per pair and coefficient";
    QStringList lines;
    for (int row = 1; row < rows(grid("MSFlexGrid2")); ++row) {
        lines.append(text(grid("MSFlexGrid2"), row, 0) + ">" + text(grid("MSFlexGrid2"), row, 2) + "="
                     + text(grid("MSFlexGrid2"), row, 4));
    }
    lines.sort();
    EXPECT_EQ(lines, QStringList({"CJ>UN=10", "CJ>UN=12", "KG>GR=1000"}));
}

TEST_F(FrmEquivalenciasTest, ADuplicateFoundBySavingBecomesAnUpdateOnce)
{
    show();
    enterNewKey("CJ", "GR");
    ASSERT_TRUE(ventana->EnAlta());
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES ('" + padded("100", 25)
          + "', 'CJ', 'GR', 5)"});
    typeAndConfirm("6000");
    press(Qt::Key_F2);
    EXPECT_TRUE(operador->boxes().isEmpty()) << "a duplicate key is not reported";
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 1);
    EXPECT_EQ(coefficient("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 6000);
    EXPECT_FALSE(ventana->HayError());
    EXPECT_FALSE(ventana->EnModificacion()) << "the window went back to browse";
}

TEST_F(FrmEquivalenciasTest, AnArticleHandedOverStaysFixed)
{
    show("100");
    EXPECT_FALSE(field(0).isEnabled());
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_EQ(field(1).text(), "UN");
    EXPECT_EQ(description(1).text(), "Tornillo");
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 3);

    press(Qt::Key_F3);
    EXPECT_EQ(focused(), &field(1));
    typeAndConfirm("CJ");
    typeAndConfirm("GR");
    typeAndConfirm("10");
    press(Qt::Key_F2);
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 1);
    EXPECT_FALSE(field(0).isEnabled());
    EXPECT_EQ(field(0).text(), "100") << "the article and its unit stay";
    EXPECT_EQ(field(1).text(), "CJ");
    EXPECT_EQ(rows(grid("MSFlexGrid1")), 4) << "and its equivalences are listed again";
}

TEST_F(FrmEquivalenciasTest, StartedWithAnArticleOnTheCommandLineTheWindowOpensOnIt)
{
    startAsAnaOnArticle100();

    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ANA");
    EXPECT_FALSE(ventana->windowIcon().isNull());
    EXPECT_EQ(tabs().currentIndex(), 0);
    EXPECT_FALSE(field(0).isEnabled());
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_EQ(field(1).text(), "UN");
    EXPECT_EQ(description(1).text(), "Tornillo");
    EXPECT_EQ(gridColumn(grid("MSFlexGrid1"), 2), (QStringList{"CJ", "DOC"}));
    EXPECT_TRUE(bar().NuevoEnabled());
    EXPECT_FALSE(bar().GrabarEnabled());
    saveScreenshot(*ventana, "inicio.png");
}

TEST_F(FrmEquivalenciasTest, SigningInToACompanyWithoutTheProgramsOwnTablesCreatesThem)
{
    seed({"DROP TABLE REPLICA_PENDIENTES", "DROP TABLE VERIFICACION_EQUIVALENCIAS"});
    startAsAnaOnArticle100();
    EXPECT_TRUE(gBaseDatos().ExisteTablaDB("REPLICA_PENDIENTES"));
    EXPECT_TRUE(gBaseDatos().ExisteTablaDB("VERIFICACION_EQUIVALENCIAS"));
}

TEST_F(FrmEquivalenciasTest, AnArticleThatDoesNotExistIsReportedAndTheWindowStillOpens)
{
    gBaseDatos() = DB_Dll(std::make_unique<ManejoInteractivo>());
    FijarLineaComandoProceso(
        " ; @server=LOCAL; @dbname=EMPRESA; @usuario=EMPRESA; @Password=EMPRESA; "
        "@ParametroAdicional=NOEXISTE; quro@ ; @Caja=1;");
    operador->answer(vb::vbIgnore);
    EXPECT_TRUE(ventana->Form_Load());

    ASSERT_EQ(operador->boxes().size(), 1) << "the load's error treatment asks what to do";
    EXPECT_TRUE(operador->boxes()[0].title.contains("FORM_LOAD")) << operador->boxes()[0].title.toStdString();
    EXPECT_TRUE(operador->boxes()[0].prompt.contains("(3021)")) << "its unit cannot be read";
    EXPECT_FALSE(field(0).isEnabled());
    EXPECT_EQ(field(0).text(), "NOEXISTE");
    EXPECT_EQ(field(1).text(), "");
    EXPECT_FALSE(ventana->EnAlta());
    EXPECT_TRUE(bar().NuevoEnabled()) << "the window went on to its browse state";
}

TEST_F(FrmEquivalenciasTest, TheSpreadsheetAndTheCloseCommands)
{
    show();
    ventana->UtilVex1_Click("planilla");
    ASSERT_EQ(escritorio->opened.size(), 1);
    EXPECT_TRUE(escritorio->opened[0].endsWith(".xlsx"));
    ventana->UtilVex1_Click("REPORTE");
    EXPECT_TRUE(operador->boxes().isEmpty());
    QSignalSpy descargada(ventana.get(), &FrmEquivalencias::Descargada);
    ventana->UtilVex1_Click("CERRAR");
    EXPECT_EQ(descargada.count(), 1) << "the program is told to end";
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(FrmEquivalenciasTest, ScreenshotsOfBothTabsAndTheBanner)
{
    show();
    enterNewKey("CJ", "GR");
    typeAndConfirm("0.00026");
    saveScreenshot(*ventana, "equivalencias.png");

    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
         "('A-3', 'KG', 'GR', 1000, 1), ('A-6', 'CJ', 'UN', 12, 1)"});
    operador->answer(vb::vbYes);
    press(Qt::Key_Escape);
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    saveScreenshot(*ventana, "especiales.png");

    replicas->actAt = 1;
    replicas->action = [this] {
        if (Lbf_CtrlDisplay* banner = openBanner()) saveScreenshot(*banner, "actualizando.png");
    };
    typeAndConfirm("1000");
    auto boxes = std::make_unique<OperadorReal>();
    boxes->actIn<QMessageBox>([this](QMessageBox& previa) {
        saveScreenshot(previa, "previa.png");
        for (QAbstractButton* boton : previa.buttons())
            if (boton->text() == "&Sí") boton->click();
    });
    std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(boxes));
    press(Qt::Key_F2);
    Service<Dialogs>::install(std::move(scripted));
    for (const char* name : {"equivalencias.png", "especiales.png", "previa.png", "actualizando.png"}) {
        EXPECT_TRUE(QFile::exists(QDir(CAPTURAS_DIR).filePath(name))) << name;
    }
}

TEST_F(FrmEquivalenciasTest, AShortcutThatOpensABoxActsOnceThroughTheRealEventLoop)
{
    show();
    enterNewKey("CJ", "GR");
    const QString abandon = "¿Realmente desea abandonar la carga de datos?";
    EXPECT_EQ(pressAnswering(Qt::Key_Escape, "&No"), QStringList{abandon});
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_EQ(pressAnswering(Qt::Key_Escape, "&Sí"), QStringList{abandon});
    EXPECT_TRUE(ventana->isVisible()) << "Esc after the answer would close the window";
    EXPECT_EQ(field(0).text(), "");

    enterNewKey("DOC", "UN");
    EXPECT_EQ(pressAnswering(Qt::Key_F10, "&No"), QStringList{"Confirma la baja de este registro?"});
    EXPECT_EQ(count("IDUNIDAD = 'DOC'"), 1);
}

TEST_F(FrmEquivalenciasTest, F2AfterAValidationMessageSavesNothingOnEitherTab)
{
    show();
    enterNewKey("UN", "un");
    field(3).setText("2");
    const QString sameUnit = "Si las equivalencias son las mismas, la cantidad debe ser 1";
    EXPECT_EQ(pressAnswering(Qt::Key_F2, "&Aceptar"), QStringList{sameUnit});
    EXPECT_EQ(count("IDUNIDAD = 'UN'"), 0);
    field(3).setText("0");
    EXPECT_EQ(pressAnswering(Qt::Key_F2, "&Aceptar"), QStringList{" El Coeficiente debe ser un numero mayor que cero"});

    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("kg");
    field(6).setText("5");
    EXPECT_EQ(pressAnswering(Qt::Key_F2, "&Aceptar"), QStringList{sameUnit});
    EXPECT_EQ(count("1 = 1"), 3) << "no generic rows written";
}

TEST_F(FrmEquivalenciasTest, ADisabledFieldTakesNoMouseActionAndLooksDisabled)
{
    show("100");
    ChosenCode* lookup = installLookup("CJ");
    press(Qt::Key_F3);
    ASSERT_EQ(focused(), &field(1));
    QTest::mouseClick(&field(0), Qt::RightButton);
    QTest::mouseClick(&field(3), Qt::LeftButton);
    EXPECT_TRUE(lookup->asked.isEmpty()) << "the fixed article is not looked up";
    press(Qt::Key_F5);
    EXPECT_EQ(lookup->asked, QStringList{"V_ta_unidad|UN"}) << "the unit field stays the current one";

    typeAndConfirm("GR");
    typeAndConfirm("250");
    press(Qt::Key_F2);
    ASSERT_FALSE(field(3).isEnabled());
    EXPECT_EQ(field(3).palette().color(QPalette::Disabled, QPalette::Base),
              ventana->palette().color(QPalette::Disabled, QPalette::Base));
}

TEST_F(FrmEquivalenciasTest, AFailedSaveLeavesTheFieldsReadyToBeSavedAgain)
{
    show();
    enterNewKey("CJ", "GR");
    typeAndConfirm("12");
    // Another writer holds the database while the clerk saves.
    db::Connection otherWriter;
    otherWriter.Open(connectionText());
    otherWriter.BeginTrans();
    otherWriter.Execute("UPDATE V_TA_UNIDAD SET Descripcion = Descripcion");
    gBaseDatos().gCnn.setCommandTimeout(1);
    operador->answer(vb::vbAbort);
    press(Qt::Key_F2);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(field(3).text(), "12") << "the entry stays as it was";

    otherWriter.RollbackTrans();
    press(Qt::Key_F2);
    EXPECT_EQ(operador->boxes().size(), 1) << "the second save raises nothing";
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR' AND COEFICIENTE = 12"), 1);
}

TEST_F(FrmEquivalenciasTest, ACoefficientTextIsStoredAlikeOnBothTabsAndNeverAsZero)
{
    show();
    enterNewKey("CJ", "GR");
    operador->answer(vb::vbOK);
    typeAndConfirm("0.00001");
    EXPECT_EQ(operador->boxes().last().prompt, " El Coeficiente debe ser un numero mayor que cero");
    typeAndConfirm("1.1234567");
    press(Qt::Key_F2);

    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    typeAndConfirm("1.1234567");
    operador->answer(vb::vbYes);
    press(Qt::Key_F2);
    EXPECT_DOUBLE_EQ(coefficient("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'GR'"), 1.1235);
    EXPECT_DOUBLE_EQ(coefficient("IDARTICULO = 'A-4' AND IDUNIDAD = 'KG'"), 1.1235);
}

TEST_F(FrmEquivalenciasTest, DatabaseTextIsShownAsPlainText)
{
    const QString markup = "<b>Clavo</b><img src=\"/etc/hosts\">";
    seed({"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-7', '" + markup + "', 'UN')",
          "UPDATE V_TA_UNIDAD SET Descripcion = '<i>Caja</i>' WHERE IdUnidad = 'CJ'"});
    show();
    press(Qt::Key_F3);
    typeAndConfirm("A-7");
    typeAndConfirm("CJ");
    typeAndConfirm("UN");
    EXPECT_EQ(description(1).text(), markup);
    EXPECT_EQ(label("LblEj").text(), "Ej:  1 <i>Caja</i> equivale a  Unidad");
    for (const QLabel* shown : {static_cast<QLabel*>(&description(1)), static_cast<QLabel*>(&description(0)),
                                &label("LblEj"), &label("LblEj2")}) {
        EXPECT_EQ(shown->textFormat(), Qt::PlainText) << shown->objectName().toStdString();
    }
}

TEST_F(FrmEquivalenciasTest, DescriptionsFollowTheCodesNowInTheFieldsOnBothTabs)
{
    show();
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    EXPECT_EQ(description(3).text(), "Kilogramo") << "the tab's own unit";
    typeAndConfirm("GR");
    EXPECT_EQ(description(4).text(), "Gramo");
    typeAndConfirm("1000");
    operador->answer(vb::vbYes);
    press(Qt::Key_F2);
    EXPECT_EQ(description(3).text(), "...");
    EXPECT_EQ(description(4).text(), "...");
    EXPECT_EQ(label("LblEj2").text(), "");

    tabs().setCurrentIndex(0);
    enterNewKey("CJ", "GR");
    EXPECT_EQ(description(1).text(), "Tornillo");
    typeAndConfirm("12");
    press(Qt::Key_F2);
    for (int i : {0, 1, 2}) EXPECT_EQ(description(i).text(), "...") << "after a save, label " << i;

    typeAndConfirm("100");
    operador->answer(vb::vbOK);
    typeAndConfirm("ZZ");
    EXPECT_EQ(description(0).text(), "") << "an unknown unit has no description";
    EXPECT_EQ(label("LblEj").text(), "") << "nor an example";
    field(0).setFocus();
    operador->answer(vb::vbOK);
    typeAndConfirm("NOEXISTE");
    EXPECT_EQ(description(1).text(), "") << "not the previous article's";
}

TEST_F(FrmEquivalenciasTest, AfterASaveOrACancelTheFocusIsOnTheTabShown)
{
    show();
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    typeAndConfirm("1000");
    operador->answer(vb::vbYes);
    press(Qt::Key_F2);
    EXPECT_EQ(focused(), &field(4));

    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_EQ(pressAnswering(Qt::Key_Escape, "&Sí"), QStringList{"¿Realmente desea abandonar la carga de datos?"});
    EXPECT_EQ(focused(), &field(4));
}

TEST_F(FrmEquivalenciasTest, AnExistingGenericPairShowsTheCoefficientMostRowsCarry)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
         "('A-3', 'KG', 'GR', 1000, 1), ('A-4', 'KG', 'GR', 1000, 1)",
         "UPDATE S_TA_EQUIV SET PARATODOS = 1 WHERE IDARTICULO = 'A-2'"});
    show();
    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_TRUE(ventana->EnModificacion());
    EXPECT_EQ(field(6).text(), "1000");
    EXPECT_EQ(label("LblEj2").text(),
              "Ej:  1 Kilogramo equivale a 1000 Gramo (1 artículo tiene otro coeficiente); "
              "1 Gramo equivale a 0,001 Kilogramo");

    seed({"DELETE FROM S_TA_EQUIV WHERE IDARTICULO = 'A-2'"});
    press(Qt::Key_F3);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_EQ(label("LblEj2").text(), "Ej:  1 Kilogramo equivale a 1000 Gramo; 1 Gramo equivale a 0,001 Kilogramo");
}

TEST_F(FrmEquivalenciasTest, BorrarIsOfferedOnlyForASavedEquivalence)
{
    show();
    enterNewKey("CJ", "GR");
    EXPECT_TRUE(ventana->EnAlta());
    EXPECT_FALSE(bar().BorrarEnabled());
    EXPECT_TRUE(bar().GrabarEnabled());
    EXPECT_EQ(pressAnswering(Qt::Key_F10, "&Sí"), QStringList{}) << "no question, no error";

    EXPECT_EQ(pressAnswering(Qt::Key_Escape, "&Sí").size(), 1);
    enterNewKey("DOC", "UN");
    EXPECT_TRUE(bar().BorrarEnabled());

    tabs().setCurrentIndex(1);
    field(4).setFocus();
    typeAndConfirm("KG");
    typeAndConfirm("GR");
    EXPECT_FALSE(bar().BorrarEnabled()) << "no generic rows for this pair yet";
}

TEST_F(FrmEquivalenciasTest, ScreenshotsAfterASaveACancelAndAnUnknownCode)
{
    show();
    const auto keyOnTab = [this](int tab) {
        if (tab == 0) return enterNewKey("CJ", "GR");
        field(4).setFocus();
        typeAndConfirm("KG");
        typeAndConfirm("GR");
    };
    for (const int tab : {0, 1}) {
        const QString name = tab == 0 ? "equivalencias" : "especiales";
        tabs().setCurrentIndex(tab);
        keyOnTab(tab);
        typeAndConfirm("12");
        if (tab == 1) operador->answer(vb::vbYes);
        press(Qt::Key_F2);
        saveScreenshot(*ventana, name + "-grabada.png");
        if (tab == 0) typeAndConfirm("100");
        operador->answer(vb::vbOK);
        typeAndConfirm("ZZ");
        saveScreenshot(*ventana, name + "-desconocida.png");
        press(Qt::Key_F3);
        keyOnTab(tab);
        operador->answer(vb::vbYes);
        press(Qt::Key_Escape);
        saveScreenshot(*ventana, name + "-cancelada.png");
    }
}

TEST_F(FrmEquivalenciasTest, F8ListsTheFindingsAndWritesAMissingGenericRowWithItsReplication)
{
    seed({"UPDATE S_TA_EQUIV SET PARATODOS = 1 WHERE IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'UN'"});
    show();
    auto boxes = std::make_unique<OperadorReal>();
    OperadorReal* real = boxes.get();
    QStringList listed;
    real->actIn<Lib_FrmCons3>([&](Lib_FrmCons3& lista) {
        for (int fila = 0; fila < lista.Modelo->rowCount(); ++fila) listed.append(lista.Modelo->Texto(fila, 1));
        lista.Marcar();
        saveScreenshot(lista, "verificacion.png");
        lista.Aceptar();
    });
    real->pressInBox("&Sí");
    real->pressInBox("&No");
    std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(boxes));
    activate();
    QTest::keyClick(ventana->windowHandle(), Qt::Key_F8);
    const QStringList asked = real->prompts();
    Service<Dialogs>::install(std::move(scripted));

    EXPECT_EQ(listed, QStringList{"A-6"}) << "the article of UN created without the generic CJ → UN";
    EXPECT_EQ(asked, (QStringList{"¿Desea grabar la equivalencia genérica que falta?",
                                  "¿Desea exportar los hallazgos a una planilla?"}));
    EXPECT_EQ(count("IDARTICULO = 'A-6' AND IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 12 "
                    "AND PARATODOS = 1"),
              1);
    ASSERT_EQ(replicas->requests.size(), 1);
    EXPECT_EQ(replicas->requests[0].Claves[0], "'A-6'");
    EXPECT_EQ(read("SELECT COUNT(*) FROM HISTORIAL_EQUIVALENCIAS WHERE ORIGEN = 'VERIFICAR' AND OPERACION = 'ALTA' "
                   "AND IDARTICULO = 'A-6' AND COEFICIENTE_NUEVO = 12")
                  .Fields(0)
                  .Value()
                  .toLong(),
              1)
        << "the mended row is noted in the history";
}

// HISTORIAL lists the pair's notes newest first; DESHACER lists its generic
// saves, asks what the chosen one's undo does, and takes it back.
TEST_F(FrmEquivalenciasTest, HistorialAndDeshacerWorkThroughTheBarAndTheirBoxes)
{
    show();
    press(Qt::Key_F3);
    enterPair("KG", "GR");
    typeAndConfirm("1000");
    operador->answer(vb::vbYes);
    press(Qt::Key_F2);
    ASSERT_EQ(count("PARATODOS = 1 AND COEFICIENTE = 1000"), 3);
    enterPair("KG", "GR");

    const auto clickWith = [this](const QString& command, const std::function<void(Lib_FrmCons3&)>& inList,
                                  const QStringList& captions) {
        auto boxes = std::make_unique<OperadorReal>();
        OperadorReal* real = boxes.get();
        real->actIn<Lib_FrmCons3>(inList);
        for (const QString& caption : captions) real->pressInBox(caption);
        std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(boxes));
        activate();
        QTest::mouseClick(&bar(), Qt::LeftButton, {}, bar().ItemRect(command).center());
        const QStringList asked = real->prompts();
        Service<Dialogs>::install(std::move(scripted));
        return asked;
    };
    QStringList listed;
    clickWith(
        "HISTORIAL",
        [&](Lib_FrmCons3& lista) {
            for (int fila = 0; fila < lista.Modelo->rowCount(); ++fila)
                listed.append(lista.Modelo->Texto(fila, 2) + " " + lista.Modelo->Texto(fila, 3).trimmed());
            saveScreenshot(lista, "historial.png");
            lista.close();
        },
        {});
    EXPECT_EQ(listed, (QStringList{"ALTA A-4", "ALTA A-3", "MODIFICACION A-2"})) << "newest first";

    const QStringList asked = clickWith(
        "DESHACER",
        [](Lib_FrmCons3& lista) {
            lista.ListView1->selectRow(0);
            lista.Aceptar();
        },
        {"&Sí"});
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("1 fila vuelve a 999 (por artículo)\n    2 filas agregadas se borran"))
        << asked[0].toStdString();
    EXPECT_EQ(count("IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'"), 1);
    EXPECT_EQ(count("IDARTICULO = 'A-2' AND COEFICIENTE = 999 AND PARATODOS IS NULL"), 1);
}

// IMPORTAR: the file is picked in the file box, the preview says what the
// import does, and "Sí" writes it.
TEST_F(FrmEquivalenciasTest, ImportarPicksTheFileShowsThePreviewAndWritesOnSi)
{
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath("nuevas.csv");
    os::SpreadsheetWriter::write(archivo, {{"A-5", "LT", "CJ", "6"}, {"100", "CJ", "UN", "24"}, {"A-9", "CJ", "UN", "2"}});
    show();
    auto boxes = std::make_unique<OperadorReal>();
    OperadorReal* real = boxes.get();
    bool elegido = false;
    real->actIn<QFileDialog>([&](QFileDialog& elegir) {
        auto* nombre = elegir.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nombre, nullptr);
        nombre->setText(archivo);
        QTest::keyClick(nombre, Qt::Key_Return);
        elegido = true;
    });
    real->actIn<QMessageBox>([&](QMessageBox& previa) {
        saveScreenshot(previa, "importacion-previa.png");
        for (QAbstractButton* boton : previa.buttons())
            if (boton->text() == "&Sí") boton->click();
    });
    std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(boxes));
    activate();
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, bar().ItemRect("IMPORTAR").center());
    const QStringList asked = real->prompts();
    Service<Dialogs>::install(std::move(scripted));

    EXPECT_TRUE(elegido);
    ASSERT_EQ(asked.size(), 1) << asked.join("\n---\n").toStdString();
    EXPECT_TRUE(asked[0].startsWith("Importación de nuevas.csv:\n    1 equivalencia nueva\n    1 cambia de coeficiente\n"
                                    "        línea 2: 100 CJ → UN: 12 → 24\n    1 fila rechazada\n"
                                    "        línea 3: Codigo de Articulo Inexistente\nNo se replicará a otras bases.\n"
                                    "Las filas rechazadas, con su motivo, están en "))
        << asked[0].toStdString();
    EXPECT_EQ(count("IDARTICULO = 'A-5' AND IDUNIDAD = 'LT' AND IDUNIDAD_EQUIV = 'CJ' AND COEFICIENTE = 6"), 1);
    EXPECT_EQ(count("IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 24"), 1);
    EXPECT_TRUE(QFileInfo::exists(QDir(carpeta.path()).filePath("nuevas-rechazadas.csv")));
    EXPECT_TRUE(bar().rect().contains(bar().ItemRect("CERRAR"))) << "every command of the bar can be seen";
}
