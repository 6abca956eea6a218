// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Tests run without a display unless a wrapper provides one (CORVANE_TEST_PLATFORM), and find
    // the sources and the built program folder through these variables (set here, because
    // gtest_discover_tests cannot pass several of them).
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("CORVANE_TEST_PLATFORM") ? QByteArray("offscreen")
                                                                                      : qgetenv("CORVANE_TEST_PLATFORM"));
    if (qEnvironmentVariableIsEmpty("CORVANE_SOURCE_DIR"))
        qputenv("CORVANE_SOURCE_DIR", CORVANE_SOURCE_DIR);
    if (qEnvironmentVariableIsEmpty("CORVANE_PROGRAM_DIR"))
        qputenv("CORVANE_PROGRAM_DIR", CORVANE_PROGRAM_DIR);
    std::unique_ptr<QApplication> app;
    if (!GTEST_FLAG_GET(list_tests))
        app = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
