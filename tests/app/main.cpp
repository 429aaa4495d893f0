// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // The tests run headless unless the caller chose a platform; listing the
    // tests for ctest needs the application too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
