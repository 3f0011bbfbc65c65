// The system's own calls behind replacing a file.
#include "platform/ReplaceCalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace zeph {

namespace {

int OpenUnnamed(const char* folder, mode_t mode)
{
#ifdef O_TMPFILE
    return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    (void)folder;
    (void)mode;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

}  // namespace

ReplaceCalls& ReplaceSystemCalls()
{
    static ReplaceCalls calls{OpenUnnamed, ::write, ::fdatasync, ::close, ::rename, ::fsync};
    return calls;
}

}  // namespace zeph
