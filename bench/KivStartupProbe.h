// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Start-up probe shared by the calculator and the bare dialog programs that
// scripts/startup.sh times.
#pragma once

class QWidget;

// Once `window` has been painted for the first time (its first paint event
// handled and the frame flushed), prints the monotonic clock in nanoseconds,
// the resident memory in kB and the process's CPU time so far in
// microseconds as one line on standard output, and quits the event loop.
// Install it before showing the window.
void kivStartupProbe(QWidget *window);
