#!/usr/bin/python3
"""usage: failing_fs.py FOLDER MOUNT LIMIT. FOLDER, read-only at MOUNT, where
reading a file's bytes fails (EIO) from byte LIMIT on, as on a dying card;
short* files claim 1000H bytes more than they hold, long* 800H less."""
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
        if offset >= int(sys.argv[3]):
            raise FuseOSError(errno.EIO)
        with open(sys.argv[1] + path, 'rb') as f:
            f.seek(offset)
            return f.read(min(size, int(sys.argv[3]) - offset))


FUSE(Failing(), sys.argv[2], foreground=True, ro=True, direct_io=True)
