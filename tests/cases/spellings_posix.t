exFAT and FAT sticks through FUSE (exfat-fuse on a loop device, fusefat)
answer each spelling of a name with an identity of its own: the names their
folders list decide which names are one file, for every writing command.

  $ [ "$(id -u)" = 0 ] && command -v mount.exfat-fuse fusefat mkfs.exfat mkfs.vfat > /dev/null || [ -n "$CI" ] || skip no FUSE exFAT and FAT here: they need root, exfat-fuse, fusefat, exfatprogs and dosfstools
  $ truncate -s 8M ex.img fat.img; mkfs.exfat ex.img > /dev/null; mkfs.vfat fat.img > /dev/null; mkdir ex fat
  $ dev=$(losetup -f --show ex.img) && mount.exfat-fuse -o nonempty $dev ex > /dev/null 2>&1 && fusefat -o rw+ fat.img fat > /dev/null 2>&1
  $ printf abcdefgh > img; bintool 2 img u1 u2
  $ for m in ex fat; do cp img $m && sync; (cd $m; bintool 2 img IMG u2 && cmp img ../u1 && cmp u2 ../u2 && bintool 1 img u2 IMG && cmp img ../img && ls -A); done
  img
  u2
  img
  u2
  $ for m in ex fat; do (cd $m; for c in "L img IMG" "I img Img" "S img img IMG" "R img NW nw" "O img u1 U1" "4 img U1 u1" "U img IMG 2"; do
  >   echo "$m: $(row $c)"; done; ls); done
  ex: L img IMG [1] error: source and destination are the same file| ~ bintool: img and IMG are one file|
  ex: I img Img [1] error: source and destination are the same file| ~ bintool: img and Img are one file|
  ex: S img img IMG [1] error: source and destination are the same file| ~ bintool: img and IMG are one file|
  ex: R img NW nw [1] error: two destinations are the same file| ~ bintool: NW and nw are one file|
  ex: O img u1 U1 [1] error: two destinations are the same file| ~ bintool: u1 and U1 are one file|
  ex: 4 img U1 u1 [1] error: two destinations are the same file| ~ bintool: U1 and u1 are one file|
  ex: U img IMG 2 [0]
  img
  u2
  fat: L img IMG [1] error: source and destination are the same file| ~ bintool: img and IMG are one file|
  fat: I img Img [1] error: source and destination are the same file| ~ bintool: img and Img are one file|
  fat: S img img IMG [1] error: source and destination are the same file| ~ bintool: img and IMG are one file|
  fat: R img NW nw [1] error: two destinations are the same file| ~ bintool: NW and nw are one file|
  fat: O img u1 U1 [1] error: two destinations are the same file| ~ bintool: u1 and U1 are one file|
  fat: 4 img U1 u1 [1] error: two destinations are the same file| ~ bintool: U1 and u1 are one file|
  fat: U img IMG 2 [0]
  img
  u2
  $ fusermount -u ex; fusermount -u fat; losetup -d $dev
