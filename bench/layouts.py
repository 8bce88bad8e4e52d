#!/usr/bin/env python3
"""The byte layouts, written from the README's tables and nothing else, to
check bintool's outputs against:
  layouts.py program E1 E2 OUT   the HEBER program image of two EPROMs
  layouts.py video E1 E2 OUT     the HEBER video image of two EPROMs
  layouts.py lanes IMAGE EVEN ODD   the even and odd lanes of a 16-bit image"""
import sys


def read(name):
    with open(name, 'rb') as f:
        return f.read()


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


what, args = sys.argv[1], sys.argv[2:]
if what == 'lanes':
    image = read(args[0])
    write(args[1], image[0::2])
    write(args[2], image[1::2])
else:
    e1, e2 = read(args[0]), read(args[1])
    n = len(e1)
    m = bytearray(2 * n)
    if what == 'program':
        # Even EPROM offsets give the words of the first half, odd ones the
        # second; then the middle quarters change places.
        m[0:n:2], m[1:n:2] = e1[0::2], e2[0::2]
        m[n::2], m[n + 1::2] = e1[1::2], e2[1::2]
        q = n // 2
        m = m[0:q] + m[2 * q:3 * q] + m[q:2 * q] + m[3 * q:]
    else:
        # The second EPROM below, the first above, words' bytes exchanged.
        m[0:n:2], m[1:n:2] = e2[1::2], e2[0::2]
        m[n::2], m[n + 1::2] = e1[1::2], e1[0::2]
    write(args[2], m)
