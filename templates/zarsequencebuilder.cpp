#include "templates/zarsequencebuilder.h"

#include "core/zarconstants.h"
#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarpseudodepth.h"
#include "templates/zartemplatedatamodel.h"

#include <QHash>
#include <QMap>
#include <QVarLengthArray>
#include <algorithm>
#include <utility>
#include <vector>

zarSequenceBuilder* zarSequenceBuilder::s_instance = nullptr;

namespace {
struct Pattern
{
    int a, b, m, n, h;
};

// Patterns of one array at its leftmost position; empty when the array has no
// pattern for this cell.
// At most 2k + 1 gradient patterns (k up to 9): no heap for a cell's patterns.
typedef QVarLengthArray<Pattern, 24> Patterns;

Patterns patterns(quint8 arrayType, zarSpacing spacing, zarLevel level)
{
    const int m = quint8(spacing + 1);
    const int n = quint8(level + 1);
    const bool firstSpacing = m == 1;
    Patterns result;
    auto gradient = [&](int k, bool reciprocal) {
        for (int i = 1; i <= 2 * n - 1; ++i) {
            if (i < n - k || (m + 2 * n) - (i + m) < n - k)
                continue;
            if (reciprocal)
                result.append({ i, i + m, 0, m + 2 * n, m + 2 * n });
            else
                result.append({ 0, m + 2 * n, i, i + m, m + 2 * n });
        }
    };
    switch (arrayType) {
    case 0: if (firstSpacing) result.append({ 0, 3 * n, n, 2 * n, 3 * n }); break;
    case 1: if (firstSpacing) result.append({ 0, n, 2 * n, 3 * n, 3 * n }); break;
    case 2: if (firstSpacing) result.append({ 0, 2 * n, n, 3 * n, 3 * n }); break;
    case 3: result.append({ 0, 2 * n + m, n, n + m, 2 * n + m }); break;
    case 4: result.append({ 0, m, n + m, n + 2 * m, n + 2 * m }); break;
    case 5: result.append({ -1, 0, n, n + m, n + m }); break;
    case 6: result.append({ -1, n + m, 0, m, n + m }); break;
    case 7: if (firstSpacing) result.append({ -1, 0, -2, n, n }); break;
    case 8: gradient(3, false); break;
    case 9: gradient(5, false); break;
    case 10: gradient(7, false); break;
    case 11: gradient(9, false); break;
    case 12: if (firstSpacing) result.append({ n, 2 * n, 0, 3 * n, 3 * n }); break;
    case 13: if (firstSpacing) result.append({ 2 * n, 3 * n, 0, n, 3 * n }); break;
    case 14: if (firstSpacing) result.append({ n, 3 * n, 0, 2 * n, 3 * n }); break;
    case 15: result.append({ n, n + m, 0, 2 * n + m, 2 * n + m }); break;
    case 16: result.append({ n + m, n + 2 * m, 0, m, n + 2 * m }); break;
    case 17: if (firstSpacing) result.append({ -1, n, -2, 0, n }); break;
    case 18: gradient(3, true); break;
    case 19: gradient(5, true); break;
    case 20: gradient(7, true); break;
    case 21: gradient(9, true); break;
    default: break;
    }
    return result;
}

bool touches(const QSet<quint16>* disabled, const zarQuadripole& q)
{
    return disabled && !disabled->isEmpty()
        && (disabled->contains(quint16(q.a)) || disabled->contains(quint16(q.b))
            || disabled->contains(quint16(q.m)) || disabled->contains(quint16(q.n)));
}

// The four electrodes in one 32-bit key, a byte each: exact for electrode numbers
// -128..127, which hold the cables' 64 electrodes and both remote codes.
bool packable(const zarQuadripole& q)
{
    auto fits = [](qint16 e) { return e >= -128 && e <= 127; };
    return fits(q.a) && fits(q.b) && fits(q.m) && fits(q.n);
}

quint32 electrodeKey(const zarQuadripole& q)
{
    return quint32(quint8(q.a)) << 24 | quint32(quint8(q.b)) << 16 | quint32(quint8(q.m)) << 8 | quint8(q.n);
}

// The current pair as one key, ordered as (A, B) compared as unsigned 16-bit numbers.
quint32 currentPair(const zarQuadripole& q)
{
    return quint32(quint16(q.a)) << 16 | quint16(q.b);
}

// The union's look-up: open addressing on the packed key, one flat array.
class KeyTable
{
public:
    explicit KeyTable(int expected)
    {
        int capacity = 16;
        while (capacity < 2 * expected)
            capacity *= 2;
        keys.assign(size_t(capacity), 0);
        values.assign(size_t(capacity), 0);
        mask = quint32(capacity - 1);
    }

    // The value slot of the key, 0 when the key is new (values are stored plus one).
    int& operator[](quint32 key)
    {
        // Fibonacci hashing spreads the four bytes over the table.
        quint32 i = quint32((quint64(key) * 0x9E3779B97F4A7C15ull) >> 32) & mask;
        while (values[i] != 0 && keys[i] != key)
            i = (i + 1) & mask;
        keys[i] = key;
        return values[i];
    }

private:
    std::vector<quint32> keys;
    std::vector<int> values;
    quint32 mask = 0;
};

// One run: a stretch of measurements in the grouped order.
struct Run
{
    int begin;
    int size;
};

// Electrodes 0..63 as bits; any other number only marks that an exact comparison
// is needed.
struct ElectrodeMask
{
    quint64 bits = 0;
    bool other = false;

    void add(quint16 electrode)
    {
        if (electrode < 64)
            bits |= quint64(1) << electrode;
        else
            other = true;
    }
};

// Picks runs in the order of the conflict rule: the first remaining run whose
// potential electrodes avoid the recent current electrodes. Remaining runs and the
// runs using each electrode are bit sets, so a pick costs a few words per 64 runs
// instead of a scan of every run.
class RunScheduler
{
public:
    RunScheduler(const QVector<zarMeasurement>& items, const QVector<Run>& runs)
        : items(items), runs(runs), words((runs.size() + 63) / 64), remaining(size_t(words), 0),
          users(size_t(64) * size_t(words), 0), potentials(size_t(runs.size()))
    {
        for (int r = 0; r < runs.size(); ++r) {
            remaining[size_t(r / 64)] |= quint64(1) << (r % 64);
            ElectrodeMask& mask = potentials[size_t(r)];
            for (int i = runs[r].begin; i < runs[r].begin + runs[r].size; ++i) {
                mask.add(quint16(items[i].quadripole.m));
                mask.add(quint16(items[i].quadripole.n));
            }
            for (quint64 bits = mask.bits; bits; bits &= bits - 1)
                users[size_t(qCountTrailingZeroBits(bits)) * size_t(words) + size_t(r / 64)] |= quint64(1) << (r % 64);
        }
    }

    // The index of the run to take next; recent is emptied when every run conflicts.
    int take(QList<quint16>& recent)
    {
        ElectrodeMask recentMask;
        QVarLengthArray<size_t, 8> rows;
        for (quint16 electrode : recent) {
            recentMask.add(electrode);
            if (electrode < 64)
                rows.append(size_t(electrode) * size_t(words));
        }
        for (int w = 0; w < words; ++w) {
            quint64 free = remaining[size_t(w)];
            for (size_t row : rows)
                free &= ~users[row + size_t(w)];
            for (; free; free &= free - 1) {
                const int r = w * 64 + qCountTrailingZeroBits(free);
                if (recentMask.other && potentials[size_t(r)].other && conflicts(recent, runs[r]))
                    continue;
                return remove(r);
            }
        }
        recent.clear();
        for (int w = 0; w < words; ++w)
            if (remaining[size_t(w)])
                return remove(w * 64 + qCountTrailingZeroBits(remaining[size_t(w)]));
        return -1;
    }

private:
    // The exact test, for electrode numbers outside the cables.
    bool conflicts(const QList<quint16>& recent, const Run& run) const
    {
        const QList<zarMeasurement> list = QList<zarMeasurement>::fromVector(items.mid(run.begin, run.size));
        return zarSequenceBuilder::conflicts(recent, list);
    }

    int remove(int r)
    {
        remaining[size_t(r / 64)] &= ~(quint64(1) << (r % 64));
        return r;
    }

    const QVector<zarMeasurement>& items;
    const QVector<Run>& runs;
    const int words;
    std::vector<quint64> remaining;
    std::vector<quint64> users;
    std::vector<ElectrodeMask> potentials;
};

// Reorders one (A, B) group into runs of distinct receiver channels, appending them
// to output; returns the number of runs. Measurements taken into a run are marked
// and the rest closed up after each run, so a group costs no removal from its middle.
int groupRuns(QVector<zarMeasurement>& measurements, QVector<zarMeasurement>& output)
{
    // Stable, so the same template always gives the same order.
    std::stable_sort(measurements.begin(), measurements.end());
    int runs = 0;
    QVarLengthArray<bool, 64> taken;
    while (!measurements.isEmpty()) {
        bool used[16] = {};
        int count = 0;
        taken.resize(measurements.size());
        std::fill(taken.begin(), taken.end(), false);
        for (int i = 0; i < measurements.size() && count < 16; ++i) {
            zarMeasurement& item = measurements[i];
            int channel = -1;
            if (item.mChannel == zarMeasurement::noChannel || item.nChannel == zarMeasurement::noChannel) {
                for (int c = 0; c < 16 && channel < 0; ++c)
                    if (!used[c])
                        channel = c;
            } else if (!used[item.mChannel]) {
                channel = item.mChannel;
            } else if (!used[item.nChannel]) {
                channel = item.nChannel;
            }
            if (channel < 0)
                continue;
            used[channel] = true;
            item.channel = quint8(channel);
            item.continues = 1;
            output.append(item);
            taken[i] = true;
            ++count;
        }
        output.last().continues = 0;
        ++runs;
        QVector<zarMeasurement> rest;
        rest.reserve(measurements.size() - count);
        for (int i = 0; i < measurements.size(); ++i)
            if (!taken[i])
                rest.append(measurements[i]);
        measurements.swap(rest);
    }
    return runs;
}
}

zarSequenceBuilder::zarSequenceBuilder()
{
    zarPseudoDepth::instance(pseudoDepthResource);
}

zarSequenceBuilder* zarSequenceBuilder::instance()
{
    if (!s_instance)
        s_instance = new zarSequenceBuilder();
    return s_instance;
}

void zarSequenceBuilder::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

namespace {
// Room for a cell's positions. A vector that already holds earlier cells grows at
// least twofold: growing it by one cell at a time would copy every earlier cell again.
template <typename T>
void makeRoom(QVector<T>* vector, int count)
{
    const int needed = vector->size() + count;
    if (needed > vector->capacity())
        vector->reserve(qMax(needed, 2 * vector->capacity()));
}

// A list shows no capacity to grow from; a fresh one gets its cell's room at once,
// one that holds earlier cells is left to the geometric growth of its appends.
template <typename T>
void makeRoom(QList<T>* list, int count)
{
    if (list->isEmpty())
        list->reserve(count);
}

// The generator for any list type.
template <typename List>
bool generateInto(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType, zarSpacing spacing,
                  zarLevel level, List* quadripoles, const QSet<quint16>* disabledElectrodes, quint16 limit,
                  float* maxDepth)
{
    const int electrodes = zarGrid::electrodesPerCable * cables;
    const Patterns cell = patterns(arrayType, spacing, level);
    int positions = 0;
    for (const Pattern& p : cell)
        positions += qMax(0, electrodes - qMax(p.h, int(limit)));
    makeRoom(quadripoles, positions);
    const bool filtered = disabledElectrodes && !disabledElectrodes->isEmpty();
    bool fits = false;
    for (const Pattern& p : cell) {
        if (p.h >= electrodes)
            continue;
        fits = true;
        zarQuadripole q(qint16(p.a), qint16(p.b), qint16(p.m), qint16(p.n));
        q.spacing = spacing;
        q.level = level;
        q.computeX(cableSpacing, arrayType);
        q.computeDepth(cableSpacing, arrayType);
        for (int h = p.h; h < electrodes; ++h) {
            if (h >= limit && !(filtered && touches(disabledElectrodes, q))) {
                quadripoles->append(q);
                if (maxDepth && q.z > *maxDepth)
                    *maxDepth = q.z;
            }
            if (q.a != -1)
                ++q.a;
            ++q.b;
            if (q.m != -2)
                ++q.m;
            ++q.n;
            q.x += cableSpacing;
        }
    }
    return fits;
}
}

bool zarSequenceBuilder::generate(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType,
                                  zarSpacing spacing, zarLevel level, QList<zarQuadripole>* quadripoles,
                                  const QSet<quint16>* disabledElectrodes, quint16 limit,
                                  float* maxDepth) const
{
    return generateInto(cables, cableSpacing, arrayType, spacing, level, quadripoles, disabledElectrodes, limit,
                        maxDepth);
}

bool zarSequenceBuilder::generate(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType,
                                  zarSpacing spacing, zarLevel level, QVector<zarQuadripole>* quadripoles,
                                  const QSet<quint16>* disabledElectrodes, quint16 limit,
                                  float* maxDepth) const
{
    return generateInto(cables, cableSpacing, arrayType, spacing, level, quadripoles, disabledElectrodes, limit,
                        maxDepth);
}

int zarSequenceBuilder::group(QList<zarMeasurement>& measurements)
{
    QVector<zarMeasurement> list = measurements.toVector();
    QVector<zarMeasurement> output;
    output.reserve(list.size());
    const int runs = groupRuns(list, output);
    measurements = QList<zarMeasurement>::fromVector(output);
    return runs;
}

bool zarSequenceBuilder::conflicts(const QList<quint16>& recent, const QList<zarMeasurement>& run)
{
    for (const zarMeasurement& item : run)
        for (quint16 electrode : recent)
            if (electrode == quint16(item.quadripole.m) || electrode == quint16(item.quadripole.n))
                return true;
    return false;
}

int zarSequenceBuilder::build(const zarTemplateDataModel* model, const zarCableConfiguration* configuration,
                              const QString& fileName, quint16 offset) const
{
    QSet<quint16> disabled;
    if (configuration) {
        quint16 number = 0;
        for (const auto& wire : configuration->wires) {
            if (!wire.enabled)
                disabled.insert(number);
            ++number;
        }
    }

    zarSessionFile session;
    zarArrangement& header = session.arrangement;
    header.cableSpacing = model->cableSpacing();
    header.cables = qint8(model->cables());
    header.arrayTypeSets = model->arrayTypeCounts();
    header.profileLength = float(model->cables() * zarGrid::electrodesPerCable - 1) * model->cableSpacing();

    // The union of the sets in first-insertion order: QHash iteration order is
    // seeded per process and would make every build different. Looked up by the
    // packed electrode key; the quadripole's own hash only for numbers that do not pack.
    QVector<QVector<zarQuadripole>> lists;
    const bool ertLab = !model->ertQuadripoles.isEmpty();
    if (ertLab) {
        QVector<zarQuadripole> list;
        list.reserve(model->ertQuadripoles.size());
        for (const zarQuadripole& q : model->ertQuadripoles)
            if (!touches(&disabled, q))
                list.append(q);
        lists.append(list);
        header.maxDepths.append(0.0f);
    } else {
        const QList<zarTemplateSet> sets = model->sets();
        for (const zarTemplateSet& set : sets) {
            QVector<zarQuadripole> list;
            float maxDepth = 0.0f;
            const zarMatrix& main = set.mainMatrix();
            for (int s = 0; s < zarGrid::spacings; ++s)
                for (int l = 0; l < zarGrid::levels; ++l)
                    if (main[s][l])
                        generate(model->cables(), model->cableSpacing(), quint8(set.arrayType()), zarSpacing(s),
                                 zarLevel(l), &list, &disabled, offset, &maxDepth);
            lists.append(list);
            header.maxDepths.append(maxDepth);
        }
    }

    int total = 0;
    for (const QVector<zarQuadripole>& list : lists)
        total += list.size();
    KeyTable position(total);
    QHash<zarQuadripole, int> unpacked;
    QVector<zarQuadripole> merged;
    QVector<quint8> masks;
    QVector<int> setCounts;
    merged.reserve(total);
    masks.reserve(total);
    for (int setIndex = 0; setIndex < lists.size(); ++setIndex) {
        setCounts.append(lists[setIndex].size());
        const quint8 bit = quint8(1u << setIndex);
        for (const zarQuadripole& q : lists[setIndex]) {
            int& at = packable(q) ? position[electrodeKey(q)] : unpacked[q];
            if (at == 0) {
                merged.append(q);
                masks.append(bit);
                at = merged.size();
            } else {
                masks[at - 1] |= bit;
            }
        }
    }
    lists.clear();

    // Groups by current pair in (A, B) order, then runs within each group.
    QMap<quint32, QVector<zarMeasurement>> groups;
    for (int i = 0; i < merged.size(); ++i) {
        zarMeasurement item;
        item.quadripole = merged[i];
        item.setMask(masks[i]);
        item.setChannels();
        groups[currentPair(item.quadripole)].append(item);
    }
    QVector<zarMeasurement> grouped;
    grouped.reserve(merged.size());
    for (auto it = groups.begin(); it != groups.end(); ++it)
        header.runs += groupRuns(*it, grouped);
    groups.clear();
    QVector<Run> runs;
    for (int i = 0, begin = 0; i < grouped.size(); ++i)
        if (grouped[i].continues == 0) {
            runs.append({ begin, i + 1 - begin });
            begin = i + 1;
        }
    std::stable_sort(runs.begin(), runs.end(), [](const Run& l, const Run& r) { return l.size > r.size; });

    // Put off a run whose potential electrodes carried current in the last three runs.
    QVector<zarMeasurement> sequence;
    sequence.reserve(grouped.size());
    QList<quint16> recent;
    RunScheduler scheduler(grouped, runs);
    for (int taken = 0; taken < runs.size(); ++taken) {
        const Run& run = runs[scheduler.take(recent)];
        for (int i = run.begin; i < run.begin + run.size; ++i)
            sequence.append(grouped[i]);
        recent.append(quint16(grouped[run.begin].quadripole.a));
        recent.append(quint16(grouped[run.begin].quadripole.b));
        if (recent.size() > 6) {
            recent.removeFirst();
            recent.removeFirst();
        }
    }

    quint8 parity = 1;
    session.units.reserve(sequence.size());
    for (zarMeasurement& item : sequence) {
        item.groupParity = parity;
        zarSessionDataUnit unit;
        unit.configure(model->cableSpacing(), item);
        if (ertLab)
            unit.k = 1.0f;
        session.units.append(std::move(unit));
        if (item.continues == 0)
            parity ^= 1;
    }

    if (!ertLab) {
        for (int i = 0; i < model->count(); ++i) {
            header.measurements += setCounts.value(i);
            session.arraySets.append(zarArraySet(model->arrayType(quint8(i)), qint16(setCounts.value(i))));
        }
    }

    if (fileName.isEmpty() || !configuration)
        return header.runs;
    // A session without rows cannot be loaded; keep whatever the file held.
    if (session.units.isEmpty())
        return 0;
    session.cableConfiguration = *configuration;
    for (auto it = model->ertElectrodes.constBegin(); it != model->ertElectrodes.constEnd(); ++it)
        session.electrodes.insert(qint16(it.key()), it.value());
    return session.write(fileName) == zarSessionFile::Written ? header.runs : -1;
}
