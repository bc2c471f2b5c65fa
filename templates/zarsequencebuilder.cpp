#include "templates/zarsequencebuilder.h"

#include "core/zarconstants.h"
#include "service/zarcableconfiguration.h"
#include "sessions/zarsessionfile.h"
#include "templates/zarpseudodepth.h"
#include "templates/zartemplatedatamodel.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <algorithm>

zarSequenceBuilder* zarSequenceBuilder::s_instance = nullptr;

namespace {
struct Pattern
{
    int a, b, m, n, h;
};

// Patterns of one array at its leftmost position; empty when the array has no
// pattern for this cell.
QVector<Pattern> patterns(quint8 arrayType, zarSpacing spacing, zarLevel level)
{
    const int m = quint8(spacing + 1);
    const int n = quint8(level + 1);
    const bool firstSpacing = m == 1;
    QVector<Pattern> result;
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

typedef QPair<quint16, quint16> zarCurrentPair;
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

bool zarSequenceBuilder::generate(zarCable cables, zarCableSpacing cableSpacing, quint8 arrayType,
                                  zarSpacing spacing, zarLevel level, QList<zarQuadripole>* quadripoles,
                                  const QSet<quint16>* disabledElectrodes, quint16 limit,
                                  float* maxDepth) const
{
    const int electrodes = zarGrid::electrodesPerCable * cables;
    bool fits = false;
    for (const Pattern& p : patterns(arrayType, spacing, level)) {
        if (p.h >= electrodes)
            continue;
        fits = true;
        zarQuadripole q(qint16(p.a), qint16(p.b), qint16(p.m), qint16(p.n));
        q.spacing = spacing;
        q.level = level;
        q.computeX(cableSpacing, arrayType);
        q.computeDepth(cableSpacing, arrayType);
        for (int h = p.h; h < electrodes; ++h) {
            if (h >= limit && !touches(disabledElectrodes, q)) {
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

int zarSequenceBuilder::group(QList<zarMeasurement>& measurements)
{
    // Stable, so the same template always gives the same order.
    std::stable_sort(measurements.begin(), measurements.end());
    QList<zarMeasurement> output;
    int runs = 0;
    while (!measurements.isEmpty()) {
        bool used[16] = {};
        int taken = 0;
        for (int i = 0; i < measurements.size() && taken < 16;) {
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
            if (channel < 0) {
                ++i;
                continue;
            }
            used[channel] = true;
            item.channel = quint8(channel);
            item.continues = 1;
            output.append(item);
            measurements.removeAt(i);
            ++taken;
        }
        output.last().continues = 0;
        ++runs;
    }
    measurements = output;
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
    // seeded per process and would make every build different.
    QHash<zarQuadripole, int> position;
    QList<zarQuadripole> merged;
    QList<quint8> masks;
    QVector<int> setCounts;
    auto mergePass = [&](const QList<zarQuadripole>& list, int setIndex, float maxDepth) {
        header.maxDepths.append(maxDepth);
        setCounts.append(list.size());
        const quint8 bit = quint8(1u << setIndex);
        for (const zarQuadripole& q : list) {
            auto it = position.constFind(q);
            if (it == position.constEnd()) {
                position.insert(q, merged.size());
                merged.append(q);
                masks.append(bit);
            } else {
                masks[*it] |= bit;
            }
        }
    };

    const bool ertLab = !model->ertQuadripoles.isEmpty();
    if (ertLab) {
        QList<zarQuadripole> list;
        for (const zarQuadripole& q : model->ertQuadripoles)
            if (!touches(&disabled, q))
                list.append(q);
        mergePass(list, 0, 0.0f);
    } else {
        const QList<zarTemplateSet> sets = model->sets();
        for (int i = 0; i < sets.size(); ++i) {
            QList<zarQuadripole> list;
            float maxDepth = 0.0f;
            const zarMatrix& main = sets[i].mainMatrix();
            for (int s = 0; s < zarGrid::spacings; ++s)
                for (int l = 0; l < zarGrid::levels; ++l)
                    if (main[s][l])
                        generate(model->cables(), model->cableSpacing(), quint8(sets[i].arrayType()),
                                 zarSpacing(s), zarLevel(l), &list, &disabled, offset, &maxDepth);
            mergePass(list, i, maxDepth);
        }
    }

    QMap<zarCurrentPair, QList<zarMeasurement>> groups;
    for (int i = 0; i < merged.size(); ++i) {
        zarMeasurement item;
        item.quadripole = merged[i];
        item.setMask(masks[i]);
        item.setChannels();
        groups[zarCurrentPair(quint16(item.quadripole.a), quint16(item.quadripole.b))].append(item);
    }

    QList<QList<zarMeasurement>> runs;
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        header.runs += group(*it);
        QList<zarMeasurement> run;
        for (const zarMeasurement& item : *it) {
            run.append(item);
            if (item.continues == 0) {
                runs.append(run);
                run.clear();
            }
        }
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const QList<zarMeasurement>& l, const QList<zarMeasurement>& r) { return l.size() > r.size(); });

    // Put off a run whose potential electrodes carried current in the last three runs.
    QList<zarMeasurement> sequence;
    QList<quint16> recent;
    while (!runs.isEmpty()) {
        int chosen = -1;
        for (int i = 0; i < runs.size() && chosen < 0; ++i)
            if (!conflicts(recent, runs[i]))
                chosen = i;
        if (chosen < 0) {
            recent.clear();
            chosen = 0;
        }
        const QList<zarMeasurement> run = runs.takeAt(chosen);
        sequence.append(run);
        recent.append(quint16(run.first().quadripole.a));
        recent.append(quint16(run.first().quadripole.b));
        if (recent.size() > 6) {
            recent.removeFirst();
            recent.removeFirst();
        }
    }

    quint8 parity = 1;
    for (zarMeasurement& item : sequence) {
        item.groupParity = parity;
        zarSessionDataUnit unit;
        unit.configure(model->cableSpacing(), item);
        if (ertLab)
            unit.k = 1.0f;
        session.units.append(unit);
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
