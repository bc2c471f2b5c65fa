#ifndef ZARSAMPLES_H
#define ZARSAMPLES_H

#include <QVector>

#include <initializer_list>

// The sample series of one result: a series of its own, or a slice of a block that
// many results share. A loaded session keeps the samples of all its rows in one
// block, not one heap block per row; a copy shares the block.
class zarSamples
{
public:
    zarSamples() = default;
    // Implicit: a result takes a vector as its own series.
    zarSamples(const QVector<float>& values);
    zarSamples(std::initializer_list<float> values);
    // count values of block from first on; out of range gives an empty series.
    zarSamples(const QVector<float>& block, int first, int count);

    int size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const float* begin() const { return m_block.constData() + m_first; }
    const float* end() const { return begin() + m_count; }
    float at(int i) const { return begin()[i]; }
    // The series alone: a copy for a slice, shared for a series of its own.
    QVector<float> toVector() const;

    bool operator==(const zarSamples& o) const;
    bool operator!=(const zarSamples& o) const { return !(*this == o); }

private:
    QVector<float> m_block;
    int m_first = 0;
    int m_count = 0;
};

Q_DECLARE_TYPEINFO(zarSamples, Q_MOVABLE_TYPE);

#endif
