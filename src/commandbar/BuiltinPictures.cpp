#include "commandbar/BuiltinPictures.h"

#include "platform/VbText.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <array>
#include <memory>

namespace {

struct Picture {
    const char* file;
    QStringList keys;
};

const std::array<Picture, BuiltinPictures::kCount>& Pictures()
{
    static const std::array<Picture, BuiltinPictures::kCount> pictures{{
        {"00-nuevo.svg", {"NUEVO"}},
        {"01-borrar.svg", {"BORRAR"}},
        {"02-reporte.svg", {"REPORTE"}},
        {"03-consultar.svg", {"CONSULTAR"}},
        {"04-planilla.svg", {"PLANILLA"}},
        {"05-cancelar.svg", {"CANCELAR"}},
        {"06-grabar.svg", {"GRABAR"}},
        {"07-cerrar.svg", {"CERRAR"}},
        {"08-cliente.svg", {"CLIENTE"}},
        {"09-pedido.svg", {"PEDIDO"}},
        {"10-remito.svg", {"REMITO"}},
        {"11-caja.svg", {"CAJERO", "CAJA"}},
        {"12-unidadnegocio.svg", {"UNIDADNEGOCIO", "UNIDAD DE NEGOCIO", "CAMBIAR", "CHANGE"}},
        {"13-importar.svg", {"IMPORTAR"}},
        {"14-procesaria.svg", {"PROCESARIA", "PROCESAR IA", "PROCESAR CON IA", "PROCESAR CON I.A."}},
        {"15-pantalla.svg", {"PANTALLA"}},
        {"16-impresora.svg", {"IMPRESORA"}},
        {"17-compartir.svg", {"COMPARTIR", "ENVIAR"}},
        {"18-ajustes.svg", {"AJUSTES"}},
        {"19-verificar.svg", {"VERIFICAR"}},
        {"20-historial.svg", {"HISTORIAL"}},
        {"21-deshacer.svg", {"DESHACER"}},
    }};
    return pictures;
}

// Loaded once, on first use, and kept for the life of the program.
const std::array<std::unique_ptr<QSvgRenderer>, BuiltinPictures::kCount>& Renderers()
{
    static const auto renderers = [] {
        std::array<std::unique_ptr<QSvgRenderer>, BuiltinPictures::kCount> loaded;
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            loaded[i] = std::make_unique<QSvgRenderer>(QStringLiteral(":/commandbar/iconos/")
                                                       + QLatin1String(Pictures()[i].file));
        }
        return loaded;
    }();
    return renderers;
}

// Each picture is drawn once per size and kept, so that a bar of many items
// paints copies instead of drawing every picture again.
QImage Rendered(int number, const QSize& size)
{
    static QHash<QString, QImage> rendered;
    const QString key = QStringLiteral("%1:%2x%3").arg(number).arg(size.width()).arg(size.height());
    const auto found = rendered.constFind(key);
    if (found != rendered.constEnd()) return *found;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Renderers()[static_cast<std::size_t>(number)]->render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    rendered.insert(key, image);
    return image;
}

}  // namespace

int BuiltinPictures::NumberOf(const QString& key)
{
    const QString wanted = vb::Trim(key).toUpper();
    for (std::size_t i = 0; i < Pictures().size(); ++i) {
        if (Pictures()[i].keys.contains(wanted)) return static_cast<int>(i);
    }
    return kNone;
}

bool BuiltinPictures::Draw(QPainter& painter, int number, const QRectF& target)
{
    if (number < 0 || number >= kCount) return false;
    if (!Renderers()[static_cast<std::size_t>(number)]->isValid()) return false;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size = (target.size() * ratio).toSize();
    if (size.isEmpty()) return false;
    QImage image = Rendered(number, size);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), image);
    return true;
}
