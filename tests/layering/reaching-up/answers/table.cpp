// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The answers serve every face, so they may use neither the window rules nor
// a face: the check must refuse both.
#include "answers/table.h"
#include "cli/files.h"
#include "subs/form.h"
