#include "services/cStringBuilder.h"

#include "platform/ErrorVB.h"
#include "platform/os/AnsiFile.h"

#include <QStringView>

#include <algorithm>
#include <cstring>
#include <new>

namespace {
constexpr char16_t kBlanco = u' ';
}  // namespace

void cStringBuilder::setChunkSize(qint32 iChunkSize)
{
    if (iChunkSize <= 0) throw ErroresVB::argumentoNoValido("ChunkSize");
    if (iChunkSize > kMaximoCaracteres) throw ErroresVB::desbordamiento();
    chunkSize_ = iChunkSize;
}

QString cStringBuilder::toString() const { return QString(buffer_.constData(), length_); }

void cStringBuilder::setTheString(const QString& sThis)
{
    if (sThis.isEmpty()) {
        Clear();
        return;
    }
    Crecer(sThis.size());
    Copiar(0, sThis);
    length_ = static_cast<qint32>(sThis.size());
}

void cStringBuilder::Clear()
{
    buffer_ = QString();
    length_ = 0;
    capacity_ = 0;
}

void cStringBuilder::Append(const QString& sThis) { Insert(length_, sThis); }

void cStringBuilder::AppendNL(const QString& sThis)
{
    // One growth for both pieces, so a failure leaves neither behind.
    Append(sThis + os::kCrLf);
}

void cStringBuilder::Insert(qint32 iIndex, const QString& sThis)
{
    if (iIndex < 0 || iIndex > length_) throw ErroresVB::subindiceFueraDeIntervalo();
    if (sThis.isEmpty()) return;
    Crecer(qint64{length_} + sThis.size());
    char16_t* datos = reinterpret_cast<char16_t*>(buffer_.data());
    std::memmove(datos + iIndex + sThis.size(), datos + iIndex, (length_ - iIndex) * sizeof(char16_t));
    Copiar(iIndex, sThis);
    length_ += static_cast<qint32>(sThis.size());
}

void cStringBuilder::Remove(qint32 iIndex, qint32 lLen)
{
    if (iIndex < 0 || lLen < 0 || qint64{iIndex} + lLen > length_) throw ErroresVB::subindiceFueraDeIntervalo();
    if (lLen == 0) return;
    char16_t* datos = reinterpret_cast<char16_t*>(buffer_.data());
    std::memmove(datos + iIndex, datos + iIndex + lLen, (length_ - iIndex - lLen) * sizeof(char16_t));
    length_ -= lLen;
}

qint32 cStringBuilder::Find(const QString& sToFind, qint32 lStartIndex, Comparacion compare) const
{
    const qint32 desde = std::max(lStartIndex, 1);
    if (desde > length_ + 1) return 0;
    const Qt::CaseSensitivity modo = compare == Comparacion::Texto ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const qsizetype posicion = QStringView(buffer_.constData(), length_).indexOf(sToFind, desde - 1, modo);
    return posicion < 0 ? 0 : static_cast<qint32>(posicion + 1);
}

void cStringBuilder::HeapMinimize()
{
    const qint32 sobrante = capacity_ - length_;
    if (sobrante <= chunkSize_) return;
    capacity_ -= (sobrante - 1) / chunkSize_ * chunkSize_;
    buffer_.resize(capacity_);
    buffer_.squeeze();
}

void cStringBuilder::Crecer(qint64 caracteres)
{
    if (caracteres <= capacity_) return;
    const qint64 chunks = (caracteres - capacity_ + chunkSize_ - 1) / chunkSize_;
    const qint64 capacidad = capacity_ + chunks * chunkSize_;
    if (capacidad > kMaximoCaracteres) throw ErroresVB::desbordamiento();
    try {
        // The storage underneath at least doubles, so that a long text built
        // chunk by chunk is copied a bounded number of times; Capacity still
        // counts whole chunks.
        if (capacidad > buffer_.capacity())
            buffer_.reserve(std::clamp<qint64>(2 * buffer_.capacity(), capacidad, kMaximoCaracteres));
        buffer_.resize(capacidad, kBlanco);
    } catch (const std::bad_alloc&) {
        throw ErroresVB::memoriaInsuficiente();
    }
    capacity_ = static_cast<qint32>(capacidad);
}

void cStringBuilder::Copiar(qint32 posicion, const QString& texto)
{
    std::memcpy(buffer_.data() + posicion, texto.constData(), texto.size() * sizeof(char16_t));
}
