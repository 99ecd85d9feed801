#pragma once

// A test's main that runs the whole test once with each scanning kernel this
// processor runs, the plain one first, and says which.
#include "engine/scan/Kernels.h"

#include <QCoreApplication>
#include <QTest>

#include <cstdio>

#define QTEST_EACH_KERNEL_MAIN(TestObject)                                                                   \
    int main(int argc, char* argv[]) {                                                                       \
        QCoreApplication app(argc, argv);                                                                    \
        int status = 0;                                                                                      \
        for (const engine::scan::Kernel kernel : engine::scan::runnableKernels()) {                          \
            engine::scan::useKernel(kernel);                                                                 \
            std::printf("scanning kernel: %s\n", engine::scan::kernelName(kernel));                          \
            TestObject test;                                                                                 \
            status |= QTest::qExec(&test, argc, argv);                                                       \
        }                                                                                                    \
        return status;                                                                                       \
    }
