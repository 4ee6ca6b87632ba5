#pragma once

#include <QString>

// A text that grows in place: one buffer extended in whole chunks, so that a
// long text built from many small pieces is not copied on every addition.
// Counts are UTF-16 code units. Positions of Insert and Remove count from 0,
// those of Find from 1. A position outside the text fails with error 9 and a
// text beyond 1,073,741,823 characters with error 6; either leaves the text
// as it was.
class cStringBuilder {
public:
    enum class Comparacion { Binaria, Texto };  // Texto ignores case

    static constexpr qint32 kChunkSizeInicial = 8192;
    // The largest count whose size in bytes still fits a 32-bit count.
    static constexpr qint32 kMaximoCaracteres = 1073741823;

    qint32 Length() const { return length_; }
    qint32 Capacity() const { return capacity_; }
    qint32 ChunkSize() const { return chunkSize_; }
    // Applies to later growth and HeapMinimize; 0 or below fails with error 5.
    void setChunkSize(qint32 iChunkSize);

    QString toString() const;
    // Replaces the whole text; an empty one releases the buffer.
    void setTheString(const QString& sThis);
    // Empties the text and releases the buffer; ChunkSize stays.
    void Clear();

    void Append(const QString& sThis);
    void AppendByVal(const QString& sThis) { Append(sThis); }
    // Appends the text and a carriage return and line feed.
    void AppendNL(const QString& sThis);
    // Inserts before the character at `iIndex`; `iIndex` = Length appends.
    void Insert(qint32 iIndex, const QString& sThis);
    void InsertByVal(qint32 iIndex, const QString& sThis) { Insert(iIndex, sThis); }
    void Remove(qint32 iIndex, qint32 lLen);

    // The 1-based position of the first occurrence at or after `lStartIndex`
    // (1 when below 1) that lies wholly within the text; 0 when none.
    qint32 Find(const QString& sToFind, qint32 lStartIndex = 1, Comparacion compare = Comparacion::Binaria) const;

    // Gives back spare room in whole chunks, keeping at most one chunk spare.
    void HeapMinimize();

private:
    // Makes room for `caracteres` characters, by whole chunks.
    void Crecer(qint64 caracteres);
    void Copiar(qint32 posicion, const QString& texto);

    QString buffer_;  // as long as Capacity; the text is its first Length characters
    qint32 length_ = 0;
    qint32 capacity_ = 0;
    qint32 chunkSize_ = kChunkSizeInicial;
};
