#include "lookups/ArbolCodigos.h"
#include "lookups/ConsultasDePrueba.h"
#include "lookups/Lib_FrmCons3Tree.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// Each node as "parent code > code", in node order.
QStringList shape(QTreeWidget& tree)
{
    QStringList nodes;
    for (QTreeWidgetItemIterator node(&tree); *node; ++node) {
        if (!(*node)->parent()) continue;
        const QTreeWidgetItem* parent = (*node)->parent();
        nodes.append((parent->parent() ? ArbolCodigos::Codigo(*parent) : QString("A")) + ">"
                     + ArbolCodigos::Codigo(**node));
    }
    return nodes;
}

}  // namespace

// The family tree window on every engine.
class Lib_FrmCons3TreeTest : public ConsultasTest {
protected:
    Lib_FrmCons3Tree& load(const QString& sql, const QString& campo, bool checks = false)
    {
        arbol = std::make_unique<Lib_FrmCons3Tree>(gBaseDatos());
        arbol->sql = sql;
        arbol->CampoDevuelto = campo;
        arbol->CheckBoxes = checks;
        arbol->Form_Load();
        arbol->show();
        return *arbol;
    }
    void TearDown() override
    {
        arbol.reset();
        ConsultasTest::TearDown();
    }
    QTreeWidgetItem& node(const QString& code)
    {
        for (QTreeWidgetItemIterator it(arbol->TreeV); *it; ++it)
            if (ArbolCodigos::Codigo(**it) == code) return **it;
        ADD_FAILURE() << "no node " << code.toStdString();
        return *arbol->TreeV->topLevelItem(0);
    }

    std::unique_ptr<Lib_FrmCons3Tree> arbol;
};

TEST_P(Lib_FrmCons3TreeTest, FamiliesHangUnderTheLongestShorterCodeBeforeThem)
{
    load("select * from V_TA_FAMILIAS", "IDFAMILIA");
    EXPECT_EQ(arbol->TreeV->topLevelItem(0)->text(0), "Consulta...");
    EXPECT_EQ(shape(*arbol->TreeV), (QStringList{"A>01", "01>0101", "0101>010101", "01>0102", "A>02", "02>0201"}));
    EXPECT_EQ(node("0102").text(0), "0102 - Azúcares");
    EXPECT_TRUE(arbol->TreeV->topLevelItem(0)->isExpanded());
}

TEST_P(Lib_FrmCons3TreeTest, AnyOtherQueryHangsEachCodeUnderItsLongestBeginning)
{
    seed(
        {"INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Activo'), ('11', 'Caja y bancos'), "
         "('1101', 'Caja'), ('2', 'Pasivo'), ('2201', 'Deudas')"});
    load("select Codigo, Descripcion from MA_CUENTAS order by Codigo", "CODIGO");
    EXPECT_EQ(shape(*arbol->TreeV), (QStringList{"A>1", "1>11", "11>1101", "A>2", "2>2201"}));
}

TEST_P(Lib_FrmCons3TreeTest, ANodeWhoseParentIsMissingHangsUnderTheRoot)
{
    seed({"DELETE FROM V_TA_FAMILIAS WHERE IdFamilia = '01'"});
    load("select * from v_ta_familias", "IDFAMILIA");
    EXPECT_EQ(shape(*arbol->TreeV), (QStringList{"A>0101", "0101>010101", "A>0102", "A>02", "02>0201"}));
}

TEST_P(Lib_FrmCons3TreeTest, TypingSelectsTheFirstNodeByCodeOrDescription)
{
    load("select * from V_TA_FAMILIAS", "IDFAMILIA");
    QTest::keyClicks(arbol->CmbSearch, "0102");
    EXPECT_EQ(ArbolCodigos::Codigo(*arbol->TreeV->currentItem()), "0102");
    arbol->CmbSearch->setEditText("ferr");
    EXPECT_EQ(ArbolCodigos::Codigo(*arbol->TreeV->currentItem()), "02");
}

TEST_P(Lib_FrmCons3TreeTest, CheckingABranchChecksItsDescendantsAndAcceptingReturnsThemInOrder)
{
    load("select * from V_TA_FAMILIAS", "IDFAMILIA", true);
    node("01").setCheckState(0, Qt::Checked);
    EXPECT_EQ(node("010101").checkState(0), Qt::Checked);
    EXPECT_EQ(node("02").checkState(0), Qt::Unchecked);
    node("0101").setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(node("010101").checkState(0), Qt::Unchecked);
    arbol->Aceptar();
    EXPECT_EQ(arbol->Valores, (QStringList{"01", "0102"}));
}

TEST_P(Lib_FrmCons3TreeTest, ACodeOnlyInTheAccountsIsReturnedAndCancellingReturnsNothing)
{
    seed({"INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Activo'), ('11', 'Caja')",
          "INSERT INTO TA_CCOSTO (Codigo, Descripcion) VALUES ('1', 'Administración')"});
    load("select Codigo, Descripcion from MA_CUENTAS", "CODIGO");
    arbol->TreeV->setCurrentItem(&node("11"));
    QTest::keyClick(arbol->CmbSearch, Qt::Key_Return);
    EXPECT_EQ(arbol->ValorDevuelto, "11");

    load("select Codigo, Descripcion from MA_CUENTAS", "CODIGO");
    arbol->TreeV->setCurrentItem(&node("11"));
    QTest::keyClick(arbol->TreeV, Qt::Key_Escape);
    EXPECT_EQ(arbol->ValorDevuelto, "");
    EXPECT_FALSE(arbol->isVisible());
}

TEST_P(Lib_FrmCons3TreeTest, F5FiltersTheDescriptionsEvenWithoutAnOrderAndWithAnApostrophe)
{
    seed({"INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Activo'), ('11', 'Caja'), ('12', 'D''Angelo')"});
    load("select Codigo, Descripcion from MA_CUENTAS", "CODIGO");
    arbol->CmbSearch->setEditText("caj");
    QTest::keyClick(arbol->CmbSearch, Qt::Key_F5);
    EXPECT_EQ(shape(*arbol->TreeV), QStringList{"A>11"});
    EXPECT_EQ(arbol->CmbSearch->currentText(), "");

    load("select Codigo, Descripcion from MA_CUENTAS order by Codigo", "CODIGO");
    arbol->CmbSearch->setEditText("d'ang");
    QTest::keyClick(arbol->CmbSearch, Qt::Key_F5);
    EXPECT_EQ(arbol->sql.simplified(),
              "select Codigo, Descripcion from MA_CUENTAS where Descripcion like '%d''ang%' order by Codigo");
    EXPECT_EQ(shape(*arbol->TreeV), QStringList{"A>12"});
}

TEST_P(Lib_FrmCons3TreeTest, ScreenshotOfTheFamilies)
{
    load("select * from V_TA_FAMILIAS", "IDFAMILIA");
    arbol->TreeV->expandAll();
    arbol->TreeV->setCurrentItem(&node("0101"));
    QDir().mkpath(CAPTURAS_DIR);
    const QString name = QString("consulta-familias-%1.png").arg(onSqlite() ? "sqlite" : "postgresql");
    EXPECT_TRUE(arbol->grab().save(QDir(CAPTURAS_DIR).filePath(name)));
}

ON_EVERY_ENGINE(Lib_FrmCons3TreeTest);
