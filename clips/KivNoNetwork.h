// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Keeps MediaInfoLib off the network. Its options do not stop it following a
// URL that a playlist or sidecar names (it links libcurl for that), so the
// threads that run it may not open network sockets at all.
#pragma once

// From now on socket() of any family but AF_UNIX fails with EACCES in the
// calling thread and in threads it starts; for good. Not a sandbox against
// hostile code, a stop for a library that would fetch what a file names.
// False when the kernel refuses the filter.
bool kivForbidNetworkInThisThread();
