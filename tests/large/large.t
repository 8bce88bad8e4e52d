A sparse image of 4 GiB and 40H bytes, zero but for six marks: 11 at 0, 22
and 33 on either side of 2 GiB, 44 and 55 on either side of 4 GiB, 66 at
the end. Every command that streams it keeps the marks where they belong.

  $ mark() { printf "\x$2" | dd of=$1 bs=1 seek=$(($3)) conv=notrunc status=none; }
  $ image() {
  >   truncate -s $((0x100000040)) $1
  >   for m in 11@0 22@0x7FFFFFFF 33@0x80000000 44@0xFFFFFFFF 55@0x100000000 66@0x10000003F; do
  >     mark $1 ${m%@*} ${m#*@}
  >   done
  > }
  $ image big && bintool K big && echo && bintool T big 22 33 && bintool T big 44 55
  Length=100000040H (4294967360 DEC)
  Checksum=     165 (165)-Checksum=0165
  0001-7FFFFFFF     
  0001-FFFFFFFF     
  $ bintool P big FFFFFFF0 2 && bintool I big cut FFFFFFF0 20 && od -An -tx1 cut
  FFFFFFF0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 44   ...............D
  100000000: 55 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00   U...............
   00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 44
   55 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
  $ image other && mark other 77 0x100000000 && bintool C big other && rm other
  100000000 - 55 <> 77
  $ printf '\x77' > tail && bintool L big tail joined && bintool T joined 66 77 && rm joined
  0001-10000003F     
  $ bintool R big r1 r2 && bintool T r1 22 33 && bintool T r2 44 55 && rm r1 r2
  0001-7FFFFFFF     
  0001-7FFFFFDF     
  $ bintool O big even odd && bintool T odd 22 && bintool T even 33 && rm big
  0001-3FFFFFFF     
  0001-40000000     
  $ bintool S even odd back && bintool K back && echo && rm even odd back
  Length=100000040H (4294967360 DEC)
  Checksum=     165 (165)-Checksum=0165

A length of 80000000 or more copies to the end, and U grows a destination
sparsely to an address past 4 GiB.

  $ truncate -s $((0x80000040)) big && bintool I big cut 0 80000000 && stat -c %s cut
  2147483712
  $ rm big cut; : > u; bintool U tail u FFFFFFFF && stat -c %s u && bintool T u 77
  4294967296
  0001-FFFFFFFF     

1 to 4 over many blocks, odd quarters (300002H): there and back, 1 into a pipe.

  $ rand 300002 1 > e1; rand 300002 2 > e2; for c in 1,2 3,4; do bintool ${c%,*} e1 e2 m && bintool ${c#*,} m x1 x2 && cmp x1 e1 && cmp x2 e2; done
  $ bintool 1 e1 e2 m && bintool 1 e1 e2 /dev/stdout | cmp - m && bintool O m a b && bintool S a b s && cmp s m

Blocks are of the tool's own size: 128 KiB; for the HEBER conversions and
each lane of S and O, a quarter of the second-level cache the system reports
(a power of two from 64 KiB to 256 KiB; 64 KiB when it does not say). Each
count is of the reads of that size, times the size: the whole 2 MiB image.

  $ b=65536; while [ $((8 * b)) -le "$(getconf LEVEL2_CACHE_SIZE || echo 0)" ] && [ $b -lt 262144 ]; do b=$((2 * b)); done 2>/dev/null
  $ truncate -s 2M mb; for c in 'K mb' '4 mb x y' 'O mb e o'; do strace -f -o "trace ${c%% *}" -e trace=read,pread64 bash -c "bintool $c" > /dev/null; done
  $ whole() { echo $(($(grep -c "$1" "trace $2") * $3)); }
  $ whole ', 131072) = 131072$' K 131072; whole "pread64(.*, $b, [0-9]*) = $b\$" 4 "$b"; whole ", $((2 * b))) = $((2 * b))\$" O $((2 * b))
  2097152
  2097152
  2097152
