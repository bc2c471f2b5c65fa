#ifndef ZARFUZZSUPPORT_H
#define ZARFUZZSUPPORT_H

#include <QApplication>
#include <QByteArray>
#include <QString>

// One application for all inputs of a fuzz target: a private drive root and
// settings, the offscreen platform, and every message dialog answered at once
// with its first button, so a refused input costs one short event loop.
namespace zarFuzz {
void start(int* argc, char*** argv);
// A scratch file of the drive root holding the input.
QString file(const char* name, const uint8_t* data, size_t size);
// Drops the diagnostic lines of the previous input (file() does it too).
void forget();
}

// libFuzzer's set-up hook of every target.
#define ZAR_FUZZ_INITIALIZE \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) \
    { \
        zarFuzz::start(argc, argv); \
        return 0; \
    }

#endif
