// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize --help.
#pragma once

#include <QString>

// The help text, with the ways of counting a gigabyte as the unit table has them.
QString kivFileSizeHelp();
