// Replies of the core board: every command that reads a reply, fed with the
// input's bytes in place of the board's answers.
#include "zarfuzzsupport.h"

#include "core/zarcorethread.h"
#include "zarfakeboard.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {
// The test suite's fake board, answering the next frame with the reply staged for it.
class ReplyDevice : public zarFakeBoard
{
public:
    QByteArray next;

    qint64 write(const QByteArray& data) override
    {
        input += next;
        next.clear();
        return data.size();
    }
};
}

ZAR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zarFuzz::forget();
    static zarCoreThread thread;
    auto* device = new ReplyDevice;
    thread.setSerialDevice(std::unique_ptr<zarSerialDevice>(device));
    FuzzedDataProvider in(data, size);
    // A reply shorter than expected would only wait out its time-out: stop instead.
    auto stage = [&](size_t bytes) {
        if (in.remaining_bytes() < bytes)
            return false;
        const std::string reply = in.ConsumeBytesAsString(bytes);
        device->next = QByteArray(reply.data(), int(reply.size()));
        return true;
    };
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: {
            bool alive = false;
            const quint8 address = in.ConsumeIntegralInRange<quint8>(0, 42);
            if (stage(1))
                thread.ping(address, alive);
            break;
        }
        case 1: {
            const quint8 address = in.ConsumeIntegralInRange<quint8>(8, 25);
            const int samples = in.ConsumeIntegralInRange(1, 64);
            QVector<float> values, sum, half;
            if (stage(size_t(samples) * 4) && thread.rxRead(address, samples, values)) {
                thread.sampleSum(sum, values);
                thread.sampleAbsHalfDifference(half, values);
                thread.average(values);
                thread.deviation(values);
                zarCoreThread::invertPolarity(address, values, { address });
            }
            break;
        }
        case 2:
            if (stage(1))
                thread.intTxState();
            break;
        case 3:
            if (stage(1))
                thread.intTxAdjust(0x1F, in.ConsumeIntegralInRange<quint8>(0, 100));
            break;
        case 4: {
            float value = 0;
            if (stage(4))
                thread.intTxRead(value);
            break;
        }
        case 5: {
            QDate date;
            QTime time;
            if (stage(7))
                thread.clockGet(date, time);
            break;
        }
        case 6:
            if (stage(17))
                thread.swSetNoDelay(254, 0, in.ConsumeIntegralInRange<qint16>(0, 63));
            break;
        default: {
            // More bytes than the reply holds: refused at once, with the dump of them.
            bool alive = false;
            if (stage(in.ConsumeIntegralInRange<size_t>(2, 40)))
                thread.ping(0, alive);
            break;
        }
        }
    }
    return 0;
}
