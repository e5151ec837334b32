// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up and shutdown: the data module, then the main window, then the event loop; afterwards the
// main window goes first and the data module (with its connection) last. Returns the exit code.
int runSpelldeck();
