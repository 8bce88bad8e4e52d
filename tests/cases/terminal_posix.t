On a terminal: a key (unechoed, no Enter) or a cursor key goes on at once, ESC
ends the run, and so does a kill (by PID); the terminal is left as it was. Ctrl-Z
(the kernel discards it here, and the prompt still catches the next one) and
a stop and go on keep single keys. Ctrl-C started ignored stays ignored.

  $ fill 70 61 > a; fill 70 62 > b; mkfifo keys; echo 'echo $$ > pid; exec $BINTOOL_RUNNER "$BINTOOL_BIN" C a b' > run
  $ script -qfec 'tty > pts; bash run; stty -a; bash run; stty -a; trap "" INT; bash run; stty -a' /dev/null < keys > shown & exec 3> keys
  $ upto() { for i in $(seq 500); do [ $(grep -c -- "$2" shown) -ge $1 ] && return; sleep 0.01; done; echo "no $2"; }; raw() { for i in $(seq 500); do stty -F $(cat pts) -a | grep -q -- -icanon && return; sleep 0.01; done; echo cooked; }
  $ settled() { for i in $(seq 300); do [ $(grep -c -E '^(Sig|Shd)Pnd:\s*0+$' /proc/$1/status) = 2 ] && grep -q wait_woken /proc/$1/wchan && return; sleep 0.01; done; }
  $ upto 1 Pritisni; printf x >&3; upto 2 Pritisni; printf '\e[A' >&3; upto 3 Pritisni
  $ kill -TSTP $(cat pid); settled $(cat pid); printf x >&3; upto 4 Pritisni; stty -F $(cat pts) -a | grep -o -e ' -*icanon' -e ' -*echo ' | tr -d '\n'
   -icanon -echo  (no-eol)
  $ kill -TSTP $(cat pid); settled $(cat pid); echo $(( 0x$(awk '/^SigCgt/ { print $2 }' /proc/$(cat pid)/status) >> 19 & 1 ))
  1
  $ kill -STOP $(cat pid); stty -F $(cat pts) icanon echo; kill -CONT $(cat pid); raw; printf '\e' >&3
  $ upto 5 Pritisni; kill -TERM $(cat pid); upto 2 icanon
  $ upto 6 Pritisni; printf '\003x' >&3; upto 7 Pritisni; printf '\e' >&3; upto 3 icanon
  $ exec 3>&-; wait; tr -d '\r' < shown | grep -c -e '<>' -e 'prekid ...$'
  174
  $ grep -o -e ' -*icanon' -e ' -*echo ' shown | sort | uniq -c
        3  echo 
        3  icanon

Output to a pipe: the prompt is written, and nothing waits for its key.

  $ mkfifo silent; exec 4<> silent
  $ timeout 3 script -qec "bintool C a b | grep -c -e '<>' -e 'prekid ...\$'" /dev/null < silent | tr -d '\r'
  116
