#include "database/DB_Dll.h"
#include "equivalences/FrmEquivalencias.h"
#include "lookups/ArranqueConsultas.h"
#include "lookups/CajasBusqueda.h"
#include "lookups/ConsultaCamposMotor.h"
#include "lookups/ConsultasDePrueba.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModeloConsulta.h"
#include "platform/ui/BoundLabel.h"
#include "platform/ui/TextField.h"
#include "replication/ModGruposEmp.h"
#include "session/BasesDeDatos.h"
#include "support/OperadorReal.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

// The maintenance window's field lookups with the real list window, played
// through the event loop: the code chosen lands in the field and is validated.
class ConsultaCamposMotorTest : public ConsultasTest {
protected:
    void SetUp() override
    {
        ConsultasTest::SetUp();
        if (IsSkipped()) return;
        Service<ConsultaCampos>::install(std::make_unique<ConsultaCamposMotor>());
        auto real = std::make_unique<OperadorReal>();
        operadorReal = real.get();
        scripted = Service<Dialogs>::install(std::move(real));
    }
    void TearDown() override
    {
        ventana.reset();
        if (scripted) Service<Dialogs>::install(std::move(scripted));
        ConsultasTest::TearDown();
    }

    // The window as the start-up leaves it, after the lookups were prepared.
    void start()
    {
        ArranqueConsultas().PrepararConsultas(gBaseDatos().gConnString);
        ventana = std::make_unique<FrmEquivalencias>(gBaseDatos(), Service<Replicacion>::get());
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        ventana->FijarArticulo({});
        ventana->Inicializa();
        QTest::keyClick(ventana.get(), Qt::Key_F3);
    }
    TextField& field(int index) const { return *ventana->findChild<TextField*>(QString("Txtfields_%1").arg(index)); }
    QString description(int index) const
    {
        return ventana->findChild<BoundLabel*>(QString("LblDesc_%1").arg(index))->text();
    }
    void typeAndConfirm(int index, const QString& text)
    {
        field(index).setFocus();
        field(index).clear();
        QTest::keyClicks(&field(index), text);
        QTest::keyClick(&field(index), Qt::Key_Return);
    }
    void rightClick(int index) { QTest::mouseClick(&field(index), Qt::RightButton); }
    // The operator's next list: types `text` into the first box, then accepts with Enter.
    void typeAndAccept(const QString& text, const QString& screenshot = {})
    {
        operadorReal->actIn<Lib_FrmCons3>([text, screenshot](Lib_FrmCons3& lista) {
            QTest::keyClicks(lista.CmbSearch->Caja(0), text);
            if (!screenshot.isEmpty()) {
                QDir().mkpath(CAPTURAS_DIR);
                EXPECT_TRUE(lista.grab().save(QDir(CAPTURAS_DIR).filePath(screenshot)));
            }
            QTest::keyClick(lista.windowHandle(), Qt::Key_Return);
        });
    }
    QString screenshotName(const QString& what) const
    {
        return QString("consulta-%1-%2.png").arg(what, onSqlite() ? "sqlite" : "postgresql");
    }

    std::unique_ptr<FrmEquivalencias> ventana;
    OperadorReal* operadorReal = nullptr;
    std::unique_ptr<Dialogs> scripted;
};

TEST_P(ConsultaCamposMotorTest, ConsultarOnTheArticleFieldFindsItByTypingAndTheCodeIsValidated)
{
    start();
    typeAndAccept("tuer", screenshotName("articulos"));
    QTest::keyClick(&field(0), Qt::Key_F5);
    EXPECT_EQ(operadorReal->pending(), 0) << "the list window was shown";
    EXPECT_EQ(field(0).text(), "A-5");
    EXPECT_EQ(field(1).text(), "UN") << "validated as if typed: the article's unit";
    EXPECT_EQ(description(1), "Tuerca hexagonal");
}

TEST_P(ConsultaCamposMotorTest, ARightClickOnTheUnitFieldsOpensTheListAndEnterInTheListChooses)
{
    start();
    typeAndConfirm(0, "100");
    operadorReal->actIn<Lib_FrmCons3>([this](Lib_FrmCons3& lista) {
        QTest::keyClicks(lista.CmbSearch->Caja(0), "caj");
        QDir().mkpath(CAPTURAS_DIR);
        EXPECT_TRUE(lista.grab().save(QDir(CAPTURAS_DIR).filePath(screenshotName("unidades"))));
        const QModelIndex row = lista.ListView1->currentIndex();
        EXPECT_EQ(lista.Modelo->Texto(row.row(), 1), "CJ") << "typing moved to the first match";
        QTest::keyClick(lista.ListView1, Qt::Key_Return);
    });
    rightClick(2);
    EXPECT_EQ(field(2).text(), "CJ");
    EXPECT_EQ(description(2), "Caja");

    typeAndAccept("Kilo");
    ventana->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    rightClick(4);
    EXPECT_EQ(field(4).text(), "KG");
    EXPECT_EQ(description(3), "Kilogramo");
}

TEST_P(ConsultaCamposMotorTest, ARightClickOnTheArticleFieldFindsItByPartOfItsDescription)
{
    start();
    typeAndAccept("tuer");
    rightClick(0);
    EXPECT_EQ(operadorReal->pending(), 0) << "the list window was shown";
    EXPECT_EQ(field(0).text(), "A-5");
    EXPECT_EQ(field(1).text(), "UN") << "validated as if typed: the article's unit";
}

TEST_P(ConsultaCamposMotorTest, EscapeInTheListLeavesTheFieldAsItWasWithoutValidatingIt)
{
    start();
    QTest::keyClicks(&field(0), "10");
    operadorReal->actIn<Lib_FrmCons3>([](Lib_FrmCons3& lista) {
        QTest::keyClicks(lista.CmbSearch->Caja(0), "tuer");
        QTest::keyClick(lista.windowHandle(), Qt::Key_Escape);
    });
    rightClick(0);
    EXPECT_EQ(operadorReal->pending(), 0) << "the list window was shown";
    EXPECT_EQ(field(0).text(), "10");
    EXPECT_TRUE(operadorReal->prompts().isEmpty()) << "nothing validated";
    EXPECT_EQ(field(1).text(), "");
}

TEST_P(ConsultaCamposMotorTest, F5InTheArticleListFindsTwoWordsInOrderAndAnApostrophe)
{
    setSetting("UsaConsultaLike", "SI");
    start();
    operadorReal->actIn<Lib_FrmCons3>([](Lib_FrmCons3& lista) {
        QTest::keyClicks(lista.CmbSearch->Caja(0), "torn mm");
        QTest::keyClick(lista.windowHandle(), Qt::Key_F5);
        EXPECT_EQ(rowsOf(lista), (QList<QStringList>{{"Tornillo autorroscante 5 mm", "100"}}));
        lista.CmdNueva->click();
        QTest::keyClicks(lista.CmbSearch->Caja(0), "o'nei");
        QTest::keyClick(lista.windowHandle(), Qt::Key_F5);
        EXPECT_EQ(rowsOf(lista), (QList<QStringList>{{"Sidra O'Neill", "A-4"}}));
        QTest::keyClick(lista.windowHandle(), Qt::Key_Down);
        QTest::keyClick(lista.windowHandle(), Qt::Key_Return);
    });
    QTest::keyClick(&field(0), Qt::Key_F5);
    EXPECT_EQ(field(0).text(), "A-4");
    EXPECT_EQ(description(1), "Sidra O'Neill");
}

TEST_P(ConsultaCamposMotorTest, WithUsaConsultaLikeTheArticleLookupStartsFromTheTextTyped)
{
    setSetting("UsaConsultaLIKE", "SI");
    start();
    QString shown;
    operadorReal->actIn<Lib_FrmCons3>([&shown](Lib_FrmCons3& lista) {
        shown = lista.sql;
        lista.ListView1->selectRow(0);
        QTest::keyClick(lista.windowHandle(), Qt::Key_Return);
    });
    QTest::keyClicks(&field(0), "torn mm");
    rightClick(0);
    EXPECT_TRUE(shown.contains("LIKE '%torn%mm%'")) << shown.toStdString();
    EXPECT_EQ(field(0).text(), "100");
    EXPECT_EQ(field(1).text(), "UN");
}

ON_EVERY_ENGINE(ConsultaCamposMotorTest);
