// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <sys/resource.h>

// A full disk for one process, without privileges: while an object lives, no file of this
// process may grow beyond `bytes`. As on a full disk, a write that crosses the limit returns a
// short count without an error and every later one fails; SIGXFSZ is ignored meanwhile so that
// the process lives on.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};
