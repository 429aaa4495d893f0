// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// A lower layer that reaches up into the window rules: the check must refuse it.
#include "slave/parser.h"
#include "subs/prompts.h"
