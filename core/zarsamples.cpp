#include "core/zarsamples.h"

#include <algorithm>

zarSamples::zarSamples(const QVector<float>& values) : m_block(values), m_count(values.size()) {}

zarSamples::zarSamples(std::initializer_list<float> values) : m_block(values), m_count(m_block.size()) {}

zarSamples::zarSamples(const QVector<float>& block, int first, int count)
{
    if (first < 0 || count <= 0 || first > block.size() - count)
        return;
    m_block = block;
    m_first = first;
    m_count = count;
}

QVector<float> zarSamples::toVector() const
{
    if (m_first == 0 && m_count == m_block.size())
        return m_block;
    return QVector<float>(begin(), end());
}

bool zarSamples::operator==(const zarSamples& o) const
{
    return std::equal(begin(), end(), o.begin(), o.end());
}
