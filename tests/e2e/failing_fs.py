#!/usr/bin/python3
"""usage: failing_fs.py FOLDER MOUNT LIMIT. FOLDER at MOUNT, where reading a
file's bytes fails (EIO) from byte LIMIT on, as on a dying card; short* files
claim 1000H bytes more than they hold, long* 800H less; bits* files give at
most 1000 bytes a read, and never fail; late* files can be written, and their
close fails (EIO), as on a network share that stores at close."""
import errno, os, sys
from fusepy import FUSE, FuseOSError, Operations


class Failing(Operations):
    def getattr(self, path, fh=None):
        st = os.lstat(sys.argv[1] + path)
        keys = ('st_mode', 'st_nlink', 'st_uid', 'st_gid', 'st_ino', 'st_mtime')
        return dict({key: getattr(st, key) for key in keys},
                    st_size=st.st_size + (0x1000 if '/short' in path else
                                          -0x800 if '/long' in path else 0))

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(sys.argv[1] + path)

    def read(self, path, size, offset, fh):
        if offset >= os.path.getsize(sys.argv[1] + path):
            return b''
        limit = 1 << 62 if '/bits' in path else int(sys.argv[3])
        if offset >= limit:
            raise FuseOSError(errno.EIO)
        with open(sys.argv[1] + path, 'rb') as f:
            f.seek(offset)
            return f.read(min(size, limit - offset, 1000 if '/bits' in path else size))

    def create(self, path, mode, fi=None):
        if '/late' not in path:
            raise FuseOSError(errno.EROFS)
        return os.open(sys.argv[1] + path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR) and '/late' not in path:
            raise FuseOSError(errno.EROFS)
        return os.open(sys.argv[1] + path, flags & ~os.O_CREAT)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        os.truncate(sys.argv[1] + path, length)

    def flush(self, path, fh):
        if '/late' in path:
            raise FuseOSError(errno.EIO)

    def release(self, path, fh):
        os.close(fh)


FUSE(Failing(), sys.argv[2], foreground=True, direct_io=True)
