// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/mapping.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Corvane::Desktop::Mapping window;
    window.show();
    return QApplication::exec();
}
