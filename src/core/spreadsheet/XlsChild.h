#pragma once

#include "core/spreadsheet/XlsPipe.h"

// The child process's side of reading an .xls: FreeXL opens the file in its bounded memory and processor time, and
// the first sheet's rows go over the pipe. It uses system calls and the C++ library only, as a child forked from a
// program with threads must.
class XlsChild {
public:
    [[noreturn]] static void run(int fd, const XlsPipe::ChildJob& job);
};
