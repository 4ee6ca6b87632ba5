#include "commandbar/UtilVex.h"
#include "platform/ui/VbColor.h"
#include "support/ProgramTest.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Bars in every look, photographed and laid side by side on contact sheets
// saved beside the tests, to be looked at.
class BarPictures : public ProgramTest {
protected:
    // A bar set up by `look` at the size it asks for, NUEVO pressed, the
    // mouse on BORRAR and GRABAR disabled unless `look` says otherwise.
    UtilVex& Shoot(const QString& label, const std::function<void(UtilVex&)>& look, bool states = true)
    {
        bars_.push_back(std::make_unique<UtilVex>());
        UtilVex& bar = *bars_.back();
        look(bar);
        bar.resize(bar.SoloTitulo() ? QSize(300, bar.heightForWidth(300)) : bar.sizeHint());
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
        if (states) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.ItemRect("NUEVO").center());
            const QPoint point = bar.ItemRect("BORRAR").center();
            QMouseEvent move(QEvent::MouseMove, point, bar.mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(&bar, &move);
            bar.SetItemEnabled("GRABAR", false);
        }
        shots_.push_back({label, bar.grab().toImage()});
        return bar;
    }

    // The pictures side by side, `perRow` to a row, each under its label.
    void SaveSheet(const QString& name, int perRow)
    {
        constexpr int kMargin = 12;
        constexpr int kLabel = 18;
        QSize cell;
        for (const auto& [label, picture] : shots_)
            cell = cell.expandedTo(picture.size() + QSize(kMargin, kLabel + kMargin));
        const int rows = (static_cast<int>(shots_.size()) + perRow - 1) / perRow;
        QImage sheet(kMargin + perRow * cell.width(), kMargin + rows * cell.height(), QImage::Format_RGB32);
        sheet.fill(QColor(250, 250, 250));
        QPainter painter(&sheet);
        for (std::size_t i = 0; i < shots_.size(); ++i) {
            const QPoint corner(kMargin + static_cast<int>(i) % perRow * cell.width(),
                                kMargin + static_cast<int>(i) / perRow * cell.height());
            painter.drawText(QRect(corner, QSize(cell.width(), kLabel)), Qt::AlignVCenter, shots_[i].first);
            painter.drawImage(corner + QPoint(0, kLabel), shots_[i].second);
        }
        QDir().mkpath(CAPTURAS_DIR);
        EXPECT_TRUE(sheet.save(QDir(CAPTURAS_DIR).filePath(name))) << name.toStdString();
    }

private:
    std::vector<std::unique_ptr<UtilVex>> bars_;
    std::vector<std::pair<QString, QImage>> shots_;
};

QColor PanelOf(UtilVex& bar) { return bar.grab().toImage().pixelColor(2, bar.height() - 2); }

}  // namespace

TEST_F(BarPictures, EveryThemeAndTheActivityBarLook)
{
    for (int theme = 1; theme <= 5; ++theme) {
        UtilVex& bar = Shoot(QString("Tema %1").arg(theme), [theme](UtilVex& b) { b.SetEstilo(theme); });
        EXPECT_EQ(PanelOf(bar), vb::ToQColor(bar.NormalBackColor())) << theme;
    }
    Shoot("VSCode", [](UtilVex& b) { b.AplicarEstiloVSCode(true, 42); });
    UtilVex& plain = Shoot("VSCode sin titulos", [](UtilVex& b) { b.AplicarEstiloVSCode(false, 42); });
    EXPECT_EQ(PanelOf(plain), QColor(52, 52, 52));
    SaveSheet("barra-temas.png", 7);
}

TEST_F(BarPictures, EveryOrientationWithAndWithoutCaptions)
{
    Shoot("Vertical", [](UtilVex&) {});
    Shoot("Vertical sin titulos", [](UtilVex& b) { b.SetShowCaptions(false); });
    Shoot("Horizontal", [](UtilVex& b) { b.SetHorizontal(true); });
    Shoot("Horizontal sin titulos", [](UtilVex& b) {
        b.SetHorizontal(true);
        b.SetShowCaptions(false);
    });
    UtilVex& titles = Shoot("Solo titulo, en filas", [](UtilVex& b) { b.SetSoloTitulo(true); });
    EXPECT_GT(titles.ItemRect("CERRAR").top(), titles.ItemRect("NUEVO").top()) << "the flow wraps";
    UtilVex& wide = Shoot("Automatica, ancha, con grupo tras Consultar", [](UtilVex& b) {
        b.setFixedSize(700, 200);
        b.SetGroupGap(400);
        b.SetGroupBreakAfterTag("consultar");
    });
    EXPECT_TRUE(wide.Layout().IsHorizontal());
    SaveSheet("barra-orientaciones.png", 2);
}

TEST_F(BarPictures, ItemStatesBadgesAndMarks)
{
    const auto marks = [](UtilVex& bar) {
        for (const char* key : {"IMPRESORA", "COMPARTIR", "PROCESARIA"}) bar.SetItemVisible(key, true);
        bar.SetCompartirCheckable(true);
        bar.SetImpresoraChecked(true);
        bar.AddItem("EXPORTAR", "Exportar");
        bar.SetItemBadge("CONSULTAR", 3);
        bar.SetItemBadge("CANCELAR", 150);
        bar.SetItemAttention("GRABAR", true);
        bar.SetItemAttention("CERRAR", true, vb::RGB(0, 150, 60));
        bar.SetItemBadge("CERRAR", 7);
        bar.SetItemEnabled("REPORTE", false);
    };
    UtilVex& bar = Shoot("Estados", marks);
    EXPECT_EQ(bar.Layout().PlaceOf(bar.Items().FindItem("PROCESARIA"))->text.right(3), "...");
    Shoot("Estados, horizontal", [&marks](UtilVex& b) {
        b.SetHorizontal(true);
        marks(b);
    });
    UtilVex& disabled = Shoot(
        "Barra deshabilitada",
        [](UtilVex& b) {
            b.SetItemBadge("NUEVO", 3);
            b.setEnabled(false);
        },
        false);
    EXPECT_EQ(PanelOf(disabled), vb::ToQColor(disabled.NormalBackColor()));
    SaveSheet("barra-estados.png", 3);
}
