// The system calls behind replacing a file, held as pointers so that a test can make any one of them fail.
#pragma once

#include <sys/types.h>

namespace zeph {

// Each behaves as the system call it stands for: its result, and errno set when it fails.
struct ReplaceCalls {
    int (*openUnnamed)(const char* folder, mode_t mode);  // an unnamed file in the folder (O_TMPFILE)
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*flush)(int fd);  // the file's bytes onto the disk (fdatasync)
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*flushFolder)(int fd);  // the folder's entries onto the disk (fsync on the folder)
};

// The calls every replace uses; the system's own unless a test has put others in.
ReplaceCalls& ReplaceSystemCalls();

}  // namespace zeph
