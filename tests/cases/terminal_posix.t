On a terminal: a key (unechoed, no Enter) or a cursor key goes on at once, ESC
ends the run, and so does a kill; the terminal is left as it was found.

  $ fill 50 61 > a; fill 50 62 > b; mkfifo keys; script -qfec 'bintool C a b; stty -a; bintool C a b; stty -a' /dev/null < keys > shown & exec 3> keys
  $ upto() { for i in $(seq 500); do [ $(grep -c -- "$2" shown) -ge $1 ] && return; sleep 0.01; done; echo "no $2"; }
  $ upto 1 Pritisni; printf x >&3; upto 2 Pritisni; printf '\e[A' >&3; upto 3 Pritisni; printf '\e' >&3
  $ upto 4 Pritisni; pkill -TERM -f 'bintool C a b$'; upto 2 icanon
  $ exec 3>&-; wait; tr -d '\r' < shown | grep -c -e '<>' -e 'prekid ...$'
  99
  $ grep -o -e ' -*icanon' -e ' -*echo ' shown | sort | uniq -c
        2  echo 
        2  icanon

A terminal that cannot see the prompt (output to a pipe) is not waited for.

  $ mkfifo silent; exec 4<> silent
  $ timeout 3 script -qec "bintool C a b | grep -c '<>'" /dev/null < silent | tr -d '\r'
  80
