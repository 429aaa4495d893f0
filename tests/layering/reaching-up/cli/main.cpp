// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The command line may use neither Qt nor the window.
#include "app/mapping.h"
#include <QString>
