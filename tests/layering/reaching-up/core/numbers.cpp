// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// An include that does not name its folder hides which layer it uses.
#include "numbers.h"
